#pragma once
// Loads a font on a thread of its own while the show starts: the font configuration, the font
// file and the shapes of a text's glyphs. Qt does all of that lazily, on the first drawing
// with the font, which for the winner's caption meant a stall of 40-50 ms in the middle of the
// show. The configuration and the font database are shared by every thread, so what the thread
// loads the show finds ready; the show's own start does not wait for it.

#include <QFont>
#include <QString>
#include <thread>

namespace corvanta::qt {

class FontWarmUp {
 public:
  FontWarmUp(const QFont& font, const QString& text);
  ~FontWarmUp();
  FontWarmUp(const FontWarmUp&) = delete;
  FontWarmUp& operator=(const FontWarmUp&) = delete;

 private:
  std::thread thread_;
};

}  // namespace corvanta::qt
