// safedrive-heavy: the trainer window with the heavy edition's settings.
#include "trainer/startprogram.h"

using namespace Qt::Literals::StringLiterals;

int main(int argc, char *argv[]) {
    const trainer::Edition edition{
        .bankFile = u"\\aqab.dll"_s,
        .pictureFolder = u"\\anquanimages2"_s,
        .clipFolder = u"\\anquanimages"_s,
        .startPicture = u":/edition/start.png"_s,
        .windowIcon = u":/edition/icon.png"_s,
        .windowTitle = u"大型客货车科目四安全文明驾驶模拟考试"_s,
    };
    return trainer::runEdition(argc, argv, edition);
}
