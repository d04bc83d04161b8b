// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QStandardPaths>

// The file tests write only into temporary folders; test mode also moves the configuration
// folder away from the user's own, in case a test asks for it.
int main(int argc, char** argv) {
    QStandardPaths::setTestModeEnabled(true);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
