#include "shell/tform1.h"

#include "shell/application.h"
#include "shell/chart_saving.h"
#include "shell/clock.h"
#include "shell/decorative_chart.h"
#include "shell/dialogs.h"
#include "shell/painting.h"
#include "shell/registry.h"
#include "shell/startup.h"
#include "shell/typing_label.h"
#include "ui_tform1.h"

#include <QCloseEvent>
#include <QFont>
#include <QPainter>
#include <QPalette>
#include <QStringList>
#include <QTimer>

namespace {

using termalo::chart::pixelFont;

const QColor kSilver(192, 192, 192);

const QStringList kFirstDescription = {
    QStringLiteral(" Aplikacja  Termalo 1.0, jest narzędziem  wspomagającym"),
    QStringLiteral(" podejmowanie  decyzji   kierowniczych   w    sanatorium."),
    QStringLiteral(" Program  pozwala   na   ocenę   działalności    podmiotu,"),
    QStringLiteral(" wykorzystując wskaźniki oceny sprawności operacyjnej"),
    QStringLiteral(" usług sanatoryjnych."),
};

const QStringList kSecondDescription = {
    QStringLiteral(" Aplikacja jest odpowiedzią na potrzeby ujawnione dzięki"),
    QStringLiteral(" przeprowadzonym   badaniom   naukowym  dotyczącym"),
    QStringLiteral(" stosowalności    wskaźników    ilościowych    w   ocenie"),
    QStringLiteral(" działalności podmiotów turystyki zdrowotnej."),
    QStringLiteral(" Program  powstał  na  Wydziale  Ekonomiki  i  Zarządzania"),
    QStringLiteral(" Uniwersytetu   Nadbużańskiego,   w   Katedrze"),
    QStringLiteral(" Ekonomiki Turystyki i Usług Uzdrowiskowych."),
};

void paintColours(QWidget* widget, const QColor& background, const QColor& text)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::WindowText, text);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

TTypingLabel* makeDescription(QWidget* window, QPoint position, const QColor& background,
                              const QStringList& lines, const QString& name)
{
    auto* label = new TTypingLabel(window);
    label->setObjectName(name);
    label->move(position);
    label->SetAInterval(50);
    label->SetColor(background);
    label->SetFontColor(kSilver);
    label->SetAText(lines.join(QLatin1Char('\n')));
    return label;
}

}  // namespace

TForm1::TForm1(QWidget* parent) : Form(parent), ui(std::make_unique<Ui::TForm1>())
{
    ui->setupUi(this);
    setFont(pixelFont(QStringLiteral("MS Sans Serif"), 11));
    // Size constraints: the height is fixed, the width may lose two pixels.
    setMinimumSize(kMinClientWidth, kClientHeight);
    setMaximumSize(kClientWidth, kClientHeight);
    resize(kClientWidth, kClientHeight);
    setUpForm({.background = Background::Painted, .fitLabels = false});
    styleControls();

    typingLabel1_ = makeDescription(this, QPoint(45, 115), QColor(0, 0, 180), kFirstDescription,
                                    QStringLiteral("TypingLabel1"));
    typingLabel2_ = makeDescription(this, QPoint(45, 180), QColor(0, 0, 150), kSecondDescription,
                                    QStringLiteral("TypingLabel2"));

    addTimer(QStringLiteral("Timer1"), 1000);
    termalo::offerChartExport(ui->Chart1, this);
}

TForm1::~TForm1() = default;

void TForm1::styleControls()
{
    ui->Image4->setPixmap(termalo::bannerPixmap());

    ui->Label2->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 12));
    paintColours(ui->Label2, Qt::black, kSilver);
    for (QLabel* rule : {ui->Panel3, ui->Panel2})
        paintColours(rule, kSilver, kSilver);
    ui->Panel4->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 11));
    ui->Panel1->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 8));
    for (QLabel* panel : {ui->Panel4, ui->Panel1})
        paintColours(panel, Qt::black, kSilver);

    ui->Button6->hide();
    ui->Chart1->hide();
}

termalo::DecorativeChart* TForm1::chart() const
{
    return ui->Chart1;
}

void TForm1::FormPaint()
{
    QPainter painter(this);
    termalo::paintBlueGradient(painter, rect());
}

void TForm1::Timer1Timer()
{
    showClock(ui->Panel1, ui->Panel4);
}

void TForm1::Button1Click()
{
    typingLabel1_->Execute();
    ui->Button1->hide();
    ui->Button6->show();
    ui->Chart1->show();
    ui->Chart1->start();
}

void TForm1::Button6Click()
{
    ui->Button6->hide();
    typingLabel2_->Execute();
}

void TForm1::Button3Click()
{
    termalo::showForm(QStringLiteral("Form2"));
}

void TForm1::Button2Click()
{
    termalo::showForm(QStringLiteral("Form15"));
}

void TForm1::Button4Click()
{
    termalo::showForm(QStringLiteral("Form6"));
}

void TForm1::Button5Click()
{
    termalo::endProgram();
}

bool TForm1::FormClose()
{
    return termalo::dialogs().askYesNo(QStringLiteral("Uwaga!"), QStringLiteral("Chcesz zakończyc aplikację?"));
}

void TForm1::closeEvent(QCloseEvent* event)
{
    // Unless the question is answered Yes (or fails), the program goes on.
    event->ignore();
    termalo::runGuarded([&] {
        if (FormClose()) {
            event->accept();
            termalo::endProgram();
        }
    });
}
