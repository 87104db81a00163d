// The methodology pages as data: windows, buttons, where the labels and the
// formula pictures stand. The labels' lines are kept in resources/help.
#include "help/methodology_pages.h"

#include <QFile>
#include <QStringDecoder>

#include <stdexcept>

namespace termalo::help {

using namespace Qt::StringLiterals;

namespace {

std::vector<PageLayout> buildPages()
{
    return {
    {
        u"Form16"_s, {110, 125, 518, 362},
        u"Wskaźnik pojemności sanatorium"_s,
        {16, 16, 481, 313}, u" Metodologia wskaźnika pojemności sanatorium "_s,
        {
            {u"&Zamknij"_s, {376, 24, 81, kButtonHeight}, Does::Close, {u"Form16"_s}},
        },
        {
            {u"Label1"_s, {16, 24}},
            {u"Label2"_s, {16, 128}},
        },
        {
        },
    },
    {
        u"Form17"_s, {111, 126, 517, 362},
        u"Wskaźnik zdolności usługowej sanatorium"_s,
        {16, 16, 481, 315}, u" Metodologia wskaźnika zdolności usługowej sanatorium "_s,
        {
            {u"&Zamknij"_s, {376, 24, 49, kButtonHeight}, Does::Close, {u"Form17"_s}},
            {u"&Dalej"_s, {424, 24, 49, kButtonHeight}, Does::Show, {u"Form18"_s}},
        },
        {
            {u"Label1"_s, {16, 24}},
            {u"Label2"_s, {16, 120}},
            {u"Label3"_s, {16, 192}},
            {u"Label4"_s, {16, 264}},
        },
        {
            {u"Image1"_s, {192, 120}, 1},
        },
    },
    {
        u"Form18"_s, {110, 124, 516, 375},
        u"Wskaźnik zdolności usługowej sanatorium"_s,
        {16, 16, 481, 321}, u" Metodologia wskaźnika zdolności usługowej sanatorium  (część II)  "_s,
        {
            {u"&Wstecz"_s, {376, 24, 49, kButtonHeight}, Does::Close, {u"Form18"_s}},
            {u"&Dalej"_s, {424, 24, 49, kButtonHeight}, Does::Show, {u"Form19"_s}},
        },
        {
            {u"Label1"_s, {16, 24}},
            {u"Label2"_s, {16, 96}},
            {u"Label3"_s, {16, 168}},
        },
        {
            {u"Image1"_s, {160, 24}, 2},
            {u"Image2"_s, {160, 160}, 3},
        },
    },
    {
        u"Form19"_s, {110, 124, 516, 375},
        u"Wskaźnik zdolności usługowej sanatorium"_s,
        {16, 16, 481, 321}, u" Metodologia wskaźnika zdolności usługowej sanatorium  (część III)  "_s,
        {
            {u"&Wstecz"_s, {376, 24, 49, kButtonHeight}, Does::Close, {u"Form19"_s}},
            {u"&Dalej"_s, {424, 24, 49, kButtonHeight}, Does::Show, {u"Form20"_s}},
        },
        {
            {u"Label1"_s, {16, 32}},
            {u"Label2"_s, {16, 96}},
            {u"Label3"_s, {16, 208}},
        },
        {
            {u"Image1"_s, {160, 24}, 4},
            {u"Image2"_s, {160, 256}, 5},
        },
    },
    {
        u"Form20"_s, {111, 126, 516, 375},
        u"Wskaźnik zdolności usługowej sanatorium"_s,
        {16, 16, 481, 321}, u" Metodologia wskaźnika zdolności usługowej sanatorium  (część IV)  "_s,
        {
            {u"&Wstecz"_s, {376, 24, 49, kButtonHeight}, Does::Close, {u"Form20"_s}},
            {u"&Menu"_s, {424, 24, 49, kButtonHeight}, Does::Close, {u"Form19"_s, u"Form18"_s, u"Form17"_s, u"Form20"_s}},
        },
        {
            {u"Label1"_s, {16, 64}},
            {u"Label2"_s, {16, 136}},
            {u"Label3"_s, {16, 216}},
        },
        {
            {u"Image1"_s, {160, 136}, 6},
            // Taken over from the page before, empty: this page shows one formula.
            {u"Image2"_s, {160, 264}, 0},
        },
    },
    {
        u"Form21"_s, {112, 127, 513, 372},
        u"Wskaźnik wykorzystania zdolności usługowej sanatorium"_s,
        {8, 16, 489, 321}, u"  Metodologia wskaźnika wykorzystania zdolności usługowej sanatorium  "_s,
        {
            {u"&Wstecz"_s, {368, 24, 57, kButtonHeight}, Does::Close, {u"Form21"_s}},
            {u"&Dalej"_s, {424, 24, 57, kButtonHeight}, Does::Show, {u"Form23"_s}},
        },
        {
            {u"Label1"_s, {16, 24}},
            {u"Label2"_s, {16, 152}},
            {u"Label3"_s, {16, 280}},
        },
        {
            {u"Image1"_s, {168, 64}, 7},
            {u"Image2"_s, {168, 192}, 8},
        },
    },
    {
        u"Form23"_s, {113, 126, 511, 370},
        u"Wskaźnik wykorzystania zdolności usługowej sanatorium"_s,
        {16, 8, 481, 329}, u"  Metodologia wskaźnika wykorzystania zdolności usługowej sanatorium  "_s,
        {
            {u"&Wstecz"_s, {376, 32, 49, kButtonHeight}, Does::Close, {u"Form23"_s}},
            {u"&Dalej"_s, {424, 32, 49, kButtonHeight}, Does::Show, {u"Form24"_s}},
        },
        {
            {u"Label1"_s, {16, 32}},
            {u"Label2"_s, {16, 176}},
            {u"Label3"_s, {16, 256}},
        },
        {
            {u"Image1"_s, {160, 16}, 9},
            {u"Image2"_s, {160, 248}, 10},
        },
    },
    {
        u"Form24"_s, {115, 127, 510, 366},
        u"Wskaźnik wykorzystania zdolności usługowej sanatorium"_s,
        {8, 16, 489, 321}, u"  Metodologia wskaźnika wykorzystania zdolności usługowej sanatorium (część II)  "_s,
        {
            {u"&Wstecz"_s, {368, 24, 57, kButtonHeight}, Does::Close, {u"Form24"_s}},
            {u"&Dalej"_s, {424, 24, 57, kButtonHeight}, Does::Show, {u"Form25"_s}},
        },
        {
            {u"Label1"_s, {16, 24}},
            {u"Label2"_s, {16, 128}},
            {u"Label3"_s, {16, 216}},
        },
        {
            {u"Image1"_s, {168, 56}, 11},
            {u"Image2"_s, {168, 208}, 12},
        },
    },
    {
        u"Form25"_s, {118, 128, 506, 364},
        u"Wskaźnik wykorzystania zdolności usługowej sanatorium"_s,
        {8, 8, 481, 321}, u"  Metodologia wskaźnika wykorzystania zdolności usługowej sanatorium (część III)  "_s,
        {
            {u"&Wstecz"_s, {360, 32, 57, kButtonHeight}, Does::Close, {u"Form25"_s}},
            {u"&Menu"_s, {416, 32, 57, kButtonHeight}, Does::Close, {u"Form25"_s, u"Form24"_s, u"Form23"_s, u"Form21"_s}},
        },
        {
            {u"Label1"_s, {16, 24}},
            {u"Label2"_s, {16, 112}},
        },
        {
            {u"Image1"_s, {144, 24}, 13},
            {u"Image2"_s, {144, 168}, 14},
        },
    },
    {
        u"Form26"_s, {116, 128, 505, 362},
        u"Wskaźnik przeciętnej długości pobytu"_s,
        {8, 8, 481, 321}, u"  Metodologia wskaźnika przeciętnej długości pobytu  "_s,
        {
            {u"&Wstecz"_s, {376, 32, 49, kButtonHeight}, Does::Close, {u"Form26"_s}},
            {u"&Dalej"_s, {424, 32, 49, kButtonHeight}, Does::Show, {u"Form27"_s}},
        },
        {
            {u"Label1"_s, {16, 24}},
            {u"Label2"_s, {16, 136}},
        },
        {
            {u"Image1"_s, {176, 120}, 15},
        },
    },
    {
        u"Form27"_s, {117, 129, 502, 360},
        u"Wskaźnik przeciętnej długości pobytu"_s,
        {8, 8, 481, 321}, u"  Metodologia wskaźnika przeciętnej długości pobytu (część II)  "_s,
        {
            {u"&Wstecz"_s, {376, 32, 49, kButtonHeight}, Does::Close, {u"Form27"_s}},
            {u"&Menu"_s, {424, 32, 49, kButtonHeight}, Does::Close, {u"Form27"_s, u"Form26"_s}},
        },
        {
            {u"Label1"_s, {16, 48}},
            {u"Label2"_s, {16, 208}},
        },
        {
            {u"Image1"_s, {168, 40}, 16},
            {u"Image2"_s, {168, 88}, 17},
        },
    },
    {
        u"Form28"_s, {118, 130, 501, 360},
        u"Wskaźnik przeciętnej liczby wynajętych miejsc w sanatorium"_s,
        {8, 8, 481, 321}, u"  Metodologia wskaźnika przeciętnej liczby wynajętych miejsc w sanatorium  "_s,
        {
            {u"&Menu"_s, {424, 32, 49, kButtonHeight}, Does::Close, {u"Form28"_s}},
        },
        {
            {u"Label1"_s, {16, 32}},
            {u"Label2"_s, {16, 216}},
        },
        {
            {u"Image1"_s, {184, 64}, 18},
            {u"Image2"_s, {184, 192}, 19},
        },
    },
    {
        u"Form29"_s, {117, 131, 500, 365},
        u"Wskaźnik wielkości przychodów z jednego miejsca w sanatorium"_s,
        {8, 8, 481, 321}, u"  Metodologia wskaźnika wielkości przychodów z jednego miejsca w sanatorium  "_s,
        {
            {u"&Wstecz"_s, {376, 32, 49, kButtonHeight}, Does::Close, {u"Form29"_s}},
            {u"&Dalej"_s, {424, 32, 49, kButtonHeight}, Does::Show, {u"Form30"_s}},
        },
        {
            {u"Label1"_s, {16, 40}},
            {u"Label2"_s, {16, 184}},
        },
        {
            {u"Image1"_s, {160, 160}, 20},
        },
    },
    {
        u"Form30"_s, {117, 132, 499, 364},
        u"Wskaźnik wielkości przychodów z jednego miejsca w sanatorium"_s,
        {8, 8, 481, 321}, u"  Metodologia wskaźnika wielkości przychodów z jednego miejsca w sanatorium (część II)  "_s,
        {
            {u"&Wstecz"_s, {360, 32, 57, kButtonHeight}, Does::Close, {u"Form30"_s}},
            {u"&Dalej"_s, {416, 32, 57, kButtonHeight}, Does::Show, {u"Form31"_s}},
        },
        {
            {u"Label1"_s, {16, 40}},
            {u"Label2"_s, {16, 200}},
        },
        {
            {u"Image1"_s, {168, 96}, 21},
            {u"Image2"_s, {168, 152}, 22},
        },
    },
    {
        u"Form31"_s, {117, 131, 500, 364},
        u"Wskaźnik wielkości przychodów z jednego miejsca w sanatorium"_s,
        {8, 8, 473, 321}, u"  Metodologia wskaźnika wielkości przychodów z jednego miejsca w sanatorium (część III)   "_s,
        {
            {u"&Wstecz"_s, {368, 32, 49, kButtonHeight}, Does::Close, {u"Form31"_s}},
            {u"&Dalej"_s, {416, 32, 49, kButtonHeight}, Does::Show, {u"Form32"_s}},
        },
        {
            {u"Label1"_s, {16, 32}},
            {u"Label2"_s, {16, 176}},
        },
        {
            {u"Image1"_s, {176, 136}, 23},
        },
    },
    {
        u"Form32"_s, {118, 131, 498, 366},
        u"Wskaźnik wielkości przychodów z jednego miejsca w sanatorium"_s,
        {8, 8, 473, 321}, u"  Metodologia wskaźnika wielkości przychodów z jednego miejsca w sanatorium (część IV)  "_s,
        {
            {u"&Wstecz"_s, {368, 32, 49, kButtonHeight}, Does::Close, {u"Form32"_s}},
            {u"&Menu"_s, {416, 32, 49, kButtonHeight}, Does::Close, {u"Form32"_s, u"Form31"_s, u"Form30"_s, u"Form29"_s}},
        },
        {
            {u"Label1"_s, {16, 24}},
            {u"Label2"_s, {16, 216}},
        },
        {
            {u"Image1"_s, {56, 24}, 24},
            {u"Image2"_s, {200, 24}, 25},
            // Further left and a pixel higher than the picture above it: at 56 it
            // would hide the number (26) that stands 47 blanks in, and lower it
            // would touch the legend's "gdzie: ".
            {u"Image3"_s, {40, 199}, 26},
            {u"Image4"_s, {200, 200}, 27},
        },
    },
    {
        u"Form33"_s, {119, 131, 498, 360},
        u"Wskaźnik wykorzystania potencjału przychodowego"_s,
        {8, 8, 481, 321}, u"  Metodologia wskaźnika wykorzystania potencjału przychodowego  "_s,
        {
            {u"&Menu"_s, {424, 24, 49, kButtonHeight}, Does::Close, {u"Form33"_s}},
        },
        {
            {u"Label1"_s, {16, 24}},
        },
        {
            {u"Image1"_s, {152, 136}, 28},
        },
    },
    };
}

}  // namespace

const std::vector<Chain>& chains()
{
    static const std::vector<Chain> all = {
        {u"pojemność"_s, {u"Form16"_s}},
        {u"zdolność usługowa"_s, {u"Form17"_s, u"Form18"_s, u"Form19"_s, u"Form20"_s}},
        {u"wykorzystanie zdolności usługowej"_s, {u"Form21"_s, u"Form23"_s, u"Form24"_s, u"Form25"_s}},
        {u"przeciętna długość pobytu"_s, {u"Form26"_s, u"Form27"_s}},
        {u"przeciętna liczba wynajętych miejsc"_s, {u"Form28"_s}},
        {u"przychody z jednego miejsca"_s, {u"Form29"_s, u"Form30"_s, u"Form31"_s, u"Form32"_s}},
        {u"wykorzystanie potencjału przychodowego"_s, {u"Form33"_s}},
    };
    return all;
}

const std::vector<PageLayout>& pageLayouts()
{
    static const std::vector<PageLayout> all = buildPages();
    return all;
}

const PageLayout& pageLayout(const QString& name)
{
    for (const PageLayout& page : pageLayouts()) {
        if (page.name == name)
            return page;
    }
    throw std::out_of_range("no methodology page " + name.toStdString());
}

QString labelTextPath(const QString& page, const QString& label)
{
    return u":/help/%1/%2.txt"_s.arg(page, label);
}

QString labelText(const QString& page, const QString& label)
{
    QFile file(labelTextPath(page, label));
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("no text for " + page.toStdString() + " " + label.toStdString());
    QByteArray bytes = file.readAll();
    if (bytes.endsWith('\n'))
        bytes.chop(1);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    if (utf8.hasError())
        throw std::runtime_error("the text for " + page.toStdString() + " " + label.toStdString()
                                 + " is not UTF-8");
    return text;
}

}  // namespace termalo::help
