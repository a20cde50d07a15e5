// safedrive-light: the trainer window with the light edition's settings.
#include "trainer/startprogram.h"

using namespace Qt::Literals::StringLiterals;

int main(int argc, char *argv[]) {
    const trainer::Edition edition{
        .bankFile = u"\\aqc.dll"_s,
        .pictureFolder = u"\\anquanimages"_s,
        .clipFolder = u"\\anquanimages"_s,
        .startPicture = u":/edition/start.png"_s,
        .windowIcon = u":/edition/icon.png"_s,
        .windowTitle = u"小型汽车科目四安全文明驾驶模拟考试"_s,
    };
    return trainer::runEdition(argc, argv, edition);
}
