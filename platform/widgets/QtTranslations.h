#pragma once

// Qt's own texts (the standard context menus of text boxes, standard buttons, the command-line
// help) in Simplified Chinese, whatever the user's locale: the programs speak Chinese throughout.
namespace translations {

// Loads Qt's Simplified Chinese translations into the running application. Call once, after the
// application object exists and before any window is created. False when they are not installed
// (Debian's package qt6-translations-l10n has them); the programs then still run.
bool installQtChinese();

} // namespace translations
