#pragma once

#include <QString>

namespace trainer {

// What distinguishes the two programs: all data, no behaviour.
struct Edition {
    QString bankFile;      // with its leading separator: "\aqc.dll"
    QString pictureFolder; // "\anquanimages" or "\anquanimages2"
    QString clipFolder;    // "\anquanimages" in both editions
    QString startPicture;  // resource path of the 979 x 625 start-page artwork
    QString windowIcon;    // resource path of the program icon
    QString windowTitle;
};

} // namespace trainer
