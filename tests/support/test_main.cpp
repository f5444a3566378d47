// Test entry: an application object on the offscreen platform, with the
// program's font substitutions, as the screens expect.
#include "platform/widgets.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    platform::installFontSubstitutions();
    return RUN_ALL_TESTS();
}
