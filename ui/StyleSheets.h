#pragma once

// Style sheets shared by the status bar, the side menus and the centre views.
// Macros of string literals so they concatenate and convert wherever needed.

#define PROGRESSBAR                                                                                                    \
    "QProgressBar{color: rgb(0, 0, 0); border: 2px solid black; text-align: center; font: 10pt; background-color: "   \
    "#C9CACC; border-radius: 4px;}"
#define PROGRESSBAR_GREEN PROGRESSBAR "QProgressBar::chunk {background-color:  #008000; width: 1px;}"
#define PROGRESSBAR_RED PROGRESSBAR "QProgressBar::chunk {background-color:  #FF0000; width: 1px;}"
#define PROGRESSBAR_YELLOW PROGRESSBAR "QProgressBar::chunk {background-color:  #FFFF00; width: 1px;}"
#define PROGRESSBAR_DARK PROGRESSBAR "QProgressBar::chunk {background-color:  #083045; width: 1px;}"

#define LABEL_ICON "border: 2px solid black;\nborder-radius: 6px;"
#define LABEL_ICON_SELECTED                                                                                            \
    "border: 3px solid;\nborder-radius: 6px;\nborder-color: rgb(40, 40, 40);\nbackground-color: rgb(125,125,125);"
#define LABEL_ICON_PRESSED                                                                                             \
    "border: 3px solid; \nborder-radius: 6px;\nborder-color: rgb(0, 0, 0);\nbackground-color: "                       \
    "qradialgradient(spread:pad, cx:0.5, cy:0.5, radius:0.5, fx:0.5, fy:0.5, stop:0 rgba(177, 177, 177, 255), "      \
    "stop:1 rgba(46, 46, 46, 255));"
#define LABEL_ICON_CLEARED "border: 2px solid;\nborder-radius: 6px;\nborder-color: rgb(185, 185, 185);"

// The side facing the display edge has no border and square corners.
#define LABEL_ICON_LEFT_BASE                                                                                           \
    "border-left-width: 0px; margin-right: 1px; border-top-left-radius: 0px; border-bottom-left-radius: 0px; "
#define LABEL_ICON_RIGHT_BASE                                                                                          \
    "border-right-width: 0px; margin-left: 1px; border-top-right-radius: 0px; border-bottom-right-radius: 0px; "

#define LABEL_ICON_LEFT LABEL_ICON LABEL_ICON_LEFT_BASE
#define LABEL_ICON_SELECTED_LEFT LABEL_ICON_SELECTED LABEL_ICON_LEFT_BASE
#define LABEL_ICON_PRESSED_LEFT LABEL_ICON_PRESSED LABEL_ICON_LEFT_BASE
#define LABEL_ICON_CLEARED_LEFT LABEL_ICON_CLEARED LABEL_ICON_LEFT_BASE
#define LABEL_ICON_RIGHT LABEL_ICON LABEL_ICON_RIGHT_BASE
#define LABEL_ICON_SELECTED_RIGHT LABEL_ICON_SELECTED LABEL_ICON_RIGHT_BASE
#define LABEL_ICON_PRESSED_RIGHT LABEL_ICON_PRESSED LABEL_ICON_RIGHT_BASE
#define LABEL_ICON_CLEARED_RIGHT LABEL_ICON_CLEARED LABEL_ICON_RIGHT_BASE

#define STYLE_SELECTED                                                                                                 \
    "font-size:15;  padding: 1px; margin : 0px; color: white; background-color: #183544; border-radius: 4px;"
#define STYPE_DESELECTED                                                                                               \
    "font-size:15px; font-weight: ; padding: 0px; margin : 0px; background-color: #FFFFFF; border-radius: 4px;"
