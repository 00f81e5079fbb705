#include "platform/qt/qt_toolkit.h"

#include <QApplication>
#include <QClipboard>
#include <QScreen>

#include "layout/twips.h"
#include "layout/program_version.h"

namespace corvanta::qt {

QtToolkit::QtToolkit(std::string command)
    : command_(std::move(command)),
      scale_(Scale::OfScreen()),
      watch_(&QtToolkit::EndProcess),
      windows_(&QtToolkit::EndProcess) {}

QtToolkit::~QtToolkit() = default;

Twips QtToolkit::ScreenWidth() const {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? PixelsToTwips(screen->geometry().width(), scale_.x) : 0;
}

Twips QtToolkit::ScreenHeight() const {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? PixelsToTwips(screen->geometry().height(), scale_.y) : 0;
}

Version QtToolkit::App() const {
  return kProgramVersion;
}

void QtToolkit::ClipboardClear() { QGuiApplication::clipboard()->clear(QClipboard::Clipboard); }

std::string QtToolkit::ClipboardGetText() {
  return QGuiApplication::clipboard()->text(QClipboard::Clipboard).toStdString();
}

void QtToolkit::ClipboardSetText(std::string_view text) {
  QGuiApplication::clipboard()->setText(
      QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())), QClipboard::Clipboard);
}

void QtToolkit::Beep() { QApplication::beep(); }

void QtToolkit::EndProcess() {
  // Queued, so it also works before the loop runs and never from inside a handler's caller.
  // exit() rather than quit(): quit() asks the windows first, and is refused while a foreign
  // window is the parent of ours.
  QMetaObject::invokeMethod(
      QCoreApplication::instance(), [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
}

}  // namespace corvanta::qt
