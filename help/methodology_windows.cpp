#include "help/methodology_windows.h"

using namespace Qt::StringLiterals;

TForm16::TForm16(QWidget* parent) : MethodologyPage(parent)
{
    usePage(u"Form16"_s);
}

TForm17::TForm17(QWidget* parent) : TForm16(parent)
{
    usePage(u"Form17"_s);
}

void TForm17::Button2Click()
{
    press(2);
}

TForm18::TForm18(QWidget* parent) : ChainPage(parent)
{
    usePage(u"Form18"_s);
}

TForm19::TForm19(QWidget* parent) : TForm18(parent)
{
    usePage(u"Form19"_s);
}

TForm20::TForm20(QWidget* parent) : TForm19(parent)
{
    usePage(u"Form20"_s);
}

TForm21::TForm21(QWidget* parent) : ChainPage(parent)
{
    usePage(u"Form21"_s);
}

TForm23::TForm23(QWidget* parent) : ChainPage(parent)
{
    usePage(u"Form23"_s);
}

TForm24::TForm24(QWidget* parent) : ChainPage(parent)
{
    usePage(u"Form24"_s);
}

TForm25::TForm25(QWidget* parent) : ChainPage(parent)
{
    usePage(u"Form25"_s);
}

TForm26::TForm26(QWidget* parent) : ChainPage(parent)
{
    usePage(u"Form26"_s);
}

TForm27::TForm27(QWidget* parent) : ChainPage(parent)
{
    usePage(u"Form27"_s);
}

TForm28::TForm28(QWidget* parent) : MethodologyPage(parent)
{
    usePage(u"Form28"_s);
}

TForm29::TForm29(QWidget* parent) : ChainPage(parent)
{
    usePage(u"Form29"_s);
}

TForm30::TForm30(QWidget* parent) : ChainPage(parent)
{
    usePage(u"Form30"_s);
}

TForm31::TForm31(QWidget* parent) : ChainPage(parent)
{
    usePage(u"Form31"_s);
}

TForm32::TForm32(QWidget* parent) : ChainPage(parent)
{
    usePage(u"Form32"_s);
}

TForm33::TForm33(QWidget* parent) : MethodologyPage(parent)
{
    usePage(u"Form33"_s);
}
