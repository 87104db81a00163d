#include "help/tform6.h"

#include "shell/dialogs.h"
#include "shell/painting.h"
#include "shell/registry.h"
#include "ui_tform6.h"

#include <QUrlQuery>

#include <algorithm>

namespace {

constexpr const char* kContactAddress = "kontakt@termalo.example";
constexpr const char* kContactSubject = "Moje uwagi o Termalo 1.0";

// Word-wrapped labels keep their width and take the height of their lines.
void wrapToWidth(QLabel* label, int width)
{
    label->resize(width, label->heightForWidth(width));
}

}  // namespace

TForm6::TForm6(QWidget* parent) : Form(parent), ui(std::make_unique<Ui::TForm6>())
{
    ui->setupUi(this);
    setUpForm();
}

void TForm6::firstShow()
{
    wrapToWidth(ui->Comments, 205);
    wrapToWidth(ui->Label2, 154);
    // The department's name takes two lines of the substitute font; the label
    // rises as far as needed for both to end inside the panel's bevel.
    constexpr int kBevel = 2;
    ui->Label2->move(ui->Label2->x(),
                     std::min(ui->Label2->y(), ui->Panel1->height() - kBevel - ui->Label2->height()));
    // The address line ends in an arrow at "&Kontakt"; when the address is too
    // long for the room before the button, the line starts further left.
    constexpr int kArrowGap = 6;
    ui->Label3->move(std::max(ui->ProductName->x(),
                              std::min(ui->Label3->x(), ui->Button2->x() - kArrowGap - ui->Label3->width())),
                     ui->Label3->y());
    // The picture sits unscaled in the top-left corner of its larger frame.
    ui->ProgramIcon->setPixmap(termalo::logoPixmap(termalo::LogoColouring::Black));
}

TForm6::~TForm6() = default;

QUrl TForm6::contactUrl()
{
    QUrl url;
    url.setScheme(QStringLiteral("mailto"));
    url.setPath(QString::fromUtf8(kContactAddress));
    // QUrlQuery writes a blank as %20, never as "+", which mail programs would
    // otherwise show literally in the subject.
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("subject"), QString::fromUtf8(kContactSubject));
    url.setQuery(query);
    return url;
}

void TForm6::Button1Click()
{
    termalo::closeForm(this);
}

void TForm6::Button2Click()
{
    // When no mail program can take the link, nothing is reported: the window stays as it is.
    termalo::dialogs().openUrl(contactUrl());
}
