#include "shell/desktop.h"

#include "shell/painting.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QStyle>
#include <QStyleFactory>
#include <QTranslator>

namespace termalo {

QPalette lightPalette()
{
    const QColor face(239, 239, 239);
    const QColor text(Qt::black);
    const QColor disabledText(190, 190, 190);
    const QColor highlight(48, 140, 198);
    QColor placeholder = text;
    placeholder.setAlpha(128);

    QPalette palette;
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const bool disabled = group == QPalette::Disabled;
        const QColor dark = disabled ? QColor(209, 209, 209).darker(110) : face.darker(150);
        const QColor mid = face.darker(130);
        const QColor shadow = face.darker(150).darker(135);
        palette.setColor(group, QPalette::Window, face);
        palette.setColor(group, QPalette::WindowText, disabled ? disabledText : text);
        palette.setColor(group, QPalette::Base, disabled ? face : QColor(Qt::white));
        palette.setColor(group, QPalette::AlternateBase, QColor(247, 247, 247));
        palette.setColor(group, QPalette::ToolTipBase, QColor(255, 255, 220));
        palette.setColor(group, QPalette::ToolTipText, text);
        palette.setColor(group, QPalette::PlaceholderText, placeholder);
        palette.setColor(group, QPalette::Text, disabled ? disabledText : text);
        palette.setColor(group, QPalette::Button, face);
        palette.setColor(group, QPalette::ButtonText, disabled ? disabledText : text);
        palette.setColor(group, QPalette::BrightText, Qt::white);
        palette.setColor(group, QPalette::Light, face.lighter(150));
        palette.setColor(group, QPalette::Midlight, mid.lighter(110));
        palette.setColor(group, QPalette::Mid, mid);
        palette.setColor(group, QPalette::Dark, dark);
        palette.setColor(group, QPalette::Shadow, disabled ? shadow.lighter(150) : shadow);
        palette.setColor(group, QPalette::Highlight, disabled ? QColor(145, 145, 145) : highlight);
        palette.setColor(group, QPalette::HighlightedText, Qt::white);
        palette.setColor(group, QPalette::Link, QColor(0, 0, 255));
        palette.setColor(group, QPalette::LinkVisited, QColor(255, 0, 255));
    }
    return palette;
}

bool installQtTranslation()
{
    // One translator per application object: it is the translator's parent.
    static QPointer<QTranslator> installed;
    if (installed)
        return true;
    QCoreApplication* app = QCoreApplication::instance();
    if (!app || QLocale::system().language() != QLocale::Polish)
        return false;
    auto* translator = new QTranslator(app);
    if (!translator->load(QStringLiteral("qtbase_pl"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        // Without Qt's translations installed the standard dialogs stay in English.
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    installed = translator;
    return true;
}

void useProgramStyle()
{
    // Fusion draws every frame, bevel and drop-down button from the palette
    // alone; a desktop's own style (Adwaita, Breeze) may drop group frames or
    // bevels and change the controls' sizes. Whatever the desktop,
    // QT_STYLE_OVERRIDE, -style or an earlier setStyle() chose is replaced.
    const QStyle* current = QApplication::style();
    if (current && current->name() == QLatin1String("fusion")
        && qstrcmp(current->metaObject()->className(), "QFusionStyle") == 0)
        return;
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(fusion);
}

void setUpDesktopIntegration()
{
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopFileName));
    QApplication::setWindowIcon(programIcon());
    // The style before the palette: setting a style may reset the palette.
    useProgramStyle();
    // A palette with every colour given stays as it is when the desktop's theme
    // changes: Qt only fills in what the program left open.
    QApplication::setPalette(lightPalette());
    installQtTranslation();
}

}  // namespace termalo
