#pragma once
// Asks on an output stream and reads the answers, one line each, from an input stream: the
// terminal, or an answers file. Words are read ignoring case (ok, cancel, yes, no, retry and
// their first letters); an unknown word is asked again up to three times, then, like the end of
// the input, the safe default is taken. An empty line cancels a chooser and takes a prompt's
// default value. Streams carry UTF-8.

#include <istream>
#include <ostream>

#include "host/HcInteraction.h"

namespace vox::interaction {

class StreamInteraction : public HcInteraction {
 public:
  StreamInteraction(std::istream& in, std::ostream& out) : in_(in), out_(out) {}

  HcAnswer messageBox(const std::wstring& text, const std::wstring& caption, HcIcon icon, HcButtons buttons) override;
  std::optional<std::wstring> chooseFile(const std::wstring& title, const std::wstring& startPath,
                                         const std::wstring& filter, bool forSaving) override;
  std::optional<std::wstring> chooseFolder(const std::wstring& title, const std::wstring& startFolder) override;
  std::optional<std::wstring> prompt(const std::wstring& text, const std::wstring& defaultValue) override;

 private:
  std::optional<std::wstring> readLine();
  void write(const std::wstring& text);
  std::optional<std::wstring> askForText(const std::wstring& question, const std::wstring& shown);

  std::istream& in_;
  std::ostream& out_;
};

// The answer a word stands for among the buttons, if any.
std::optional<HcAnswer> parseAnswer(const std::wstring& word, HcButtons buttons);

}  // namespace vox::interaction
