// Test entry point: a QGuiApplication exists for the whole run, because fonts, images and
// painters need one; tests are headless (QT_QPA_PLATFORM=offscreen is forced if unset).
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
