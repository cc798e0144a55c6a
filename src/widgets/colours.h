// The program's colours by name: every named colour of the windows, their
// artwork and the printed pages, and every colour painted in more than one place.
#pragma once

#include <QColor>

namespace memora {

// Blues.
inline constexpr QColor steelBlue(70, 130, 180);        // the home, editor and print windows' backgrounds
inline constexpr QColor lightSteelBlue(176, 196, 222);  // the printed card's title bar
inline constexpr QColor lightBlue(173, 216, 230);       // the help window's background
inline constexpr QColor lightBlueGrey(214, 224, 234);   // the date picker's calendar box
inline constexpr QColor panelBlue(205, 215, 230);       // the summary panels' gradients
inline constexpr QColor commandBlue(45, 95, 150);       // the card editor's commands
inline constexpr QColor darkBlue(20, 40, 110);          // the card editor's labels
inline constexpr QColor clockNavy(40, 60, 110);         // the export views' clock
inline constexpr QColor slateBlue(72, 84, 140);         // the export views' status line
inline constexpr QColor ink(25, 45, 90);                // the print pictures
inline constexpr QColor darkCyan(0, 139, 139);          // the search's counts and wait

// Greys.
inline constexpr QColor panelOutline(140, 150, 170);  // the outline of the summary panels' boxes
inline constexpr QColor lensFrame(60, 70, 90);        // the magnifying glass
inline constexpr QColor slateGrey(112, 128, 144);     // the printed list's bars
inline constexpr QColor lightGrey(236, 236, 236);     // the export views' background
inline constexpr QColor cellGrey(200, 205, 215);      // the cells of the calendar pictures
inline constexpr QColor midGrey(150, 150, 150);
inline constexpr QColor frameGrey(90, 90, 90);        // the frames of the pictures
inline constexpr QColor darkGrey(64, 64, 64);         // the splash window's background
inline constexpr QColor charcoal(60, 60, 60);         // lines drawn in the pictures

// Reds.
inline constexpr QColor alarmRed(200, 30, 45);     // the home window's alarm, the export pictures
inline constexpr QColor calendarRed(200, 30, 40);  // calendar leaves, the alarm clock, the arrow
inline constexpr QColor bannerRed(200, 20, 30);    // the summaries' banners
inline constexpr QColor crimson(220, 20, 60);      // the help title, the summaries' hint

// Greens.
inline constexpr QColor iconGreen(40, 150, 60);  // the guide icon, the envelope
inline constexpr QColor excelGreen(33, 115, 70);
inline constexpr QColor workbookGreen(16, 92, 60);

// Yellows and browns.
inline constexpr QColor noteYellow(255, 236, 160);  // notes with an instruction
inline constexpr QColor gold(255, 215, 0);
inline constexpr QColor hourglassSand(220, 170, 60);
inline constexpr QColor hourglassFrame(110, 70, 40);
inline constexpr QColor sandyBrown(244, 164, 96);  // the card editor's fulfilled band
inline constexpr QColor darkBrown(92, 51, 23);     // the date picker's background

// A text link at rest, and while the mouse button is held on it.
inline constexpr QColor linkColour(0, 0, 128);         // dark blue
inline constexpr QColor linkPressedColour(255, 140, 0);  // orange

}  // namespace memora
