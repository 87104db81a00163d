#pragma once

// What differs between the systems the program runs on is kept here, so the
// windows stay the same on all of them. Much of it Qt already does: the
// regional settings come from the system (QLocale::system()), file names are
// Unicode on both, and the Windows clipboard gets copied text with CRLF line
// ends from Qt itself.
namespace termalo::platform {

// Qt's fatal messages at start-up (no platform plugin could be loaded, say,
// because the program's folder is incomplete) reach the user: on Windows, where
// the program has no console, in an error box before it ends; elsewhere on the
// terminal, as before. On Windows an installed program's folder that lacks the
// platform plugin is named in one Polish box, before Qt's own English one
// could appear. Called by main() before the application object exists.
void showFatalMessagesToUser();

// The windows' fixed layouts are measured in glyph widths as the Linux desktop
// gives them by default: unrounded. Windows rounds each glyph to whole pixels
// unless a font asks for vertical hinting only, which makes a long caption a
// few pixels wider than its frame. On Windows every font of the program asks
// for that (Qt then draws with DirectWrite); elsewhere nothing changes. Called
// once the application object exists, before the first window.
void keepTextWidthsUnrounded();

}  // namespace termalo::platform
