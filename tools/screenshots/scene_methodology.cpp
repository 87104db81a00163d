// The methodology menu, every page of every chain as the user walks it, and each
// formula picture drawn at four times its size.
#include "help/formula_pictures.h"
#include "help/methodology_pages.h"
#include "shell/registry.h"
#include "tools/screenshots/scenes.h"

#include <QLabel>
#include <QPixmap>

namespace termalo::screenshots {
namespace {

void methodologyScene()
{
    showForm(QStringLiteral("Form15"));
    shoot(WindowRegistry::find(QStringLiteral("Form15")), QStringLiteral("form15_menu"));
    for (const help::Chain& chain : help::chains()) {
        for (const QString& page : chain.pages) {
            showForm(page);
            shoot(WindowRegistry::find(page), page.toLower());
        }
    }
}

void formulaScene()
{
    for (int number = 1; number <= help::kFormulaCount; ++number) {
        // Drawn for a screen of four device pixels per pixel and shown pixel
        // for pixel: as sharp as the picture is on the densest screens.
        QImage picture = help::formulaPicture(number, 4.0);
        picture.setDevicePixelRatio(1.0);
        QLabel enlarged;
        enlarged.setPixmap(QPixmap::fromImage(picture));
        enlarged.adjustSize();
        enlarged.show();
        shoot(&enlarged, QStringLiteral("formula%1_x4").arg(number, 2, 10, QLatin1Char('0')));
    }
}

const SceneRegistrar pages(60, "methodology", &methodologyScene);
const SceneRegistrar pictures(61, "formula pictures", &formulaScene);

}  // namespace
}  // namespace termalo::screenshots
