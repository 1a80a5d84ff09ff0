#include "ShellVerbs.h"

#include <algorithm>
#include <iterator>

#include "platform/lisp/LispValue.h"
#include "platform/os/CaseMapping.h"
#include "platform/runtime/CommandLine.h"
#include "platform/textui/TextRender.h"

namespace vox::shell {
namespace {

bool isInteger(const std::wstring& text) {
  const std::size_t start = !text.empty() && (text[0] == L'-' || text[0] == L'+') ? 1 : 0;
  return text.size() > start && text.size() <= start + 9 &&
         text.find_first_not_of(L"0123456789", start) == std::wstring::npos;
}

std::wstring valueText(const HcResBuf& value) {
  if (const std::wstring* text = value.string()) return textui::quoted(*text);
  if (const std::optional<std::int32_t> integer = value.integer()) return std::to_wstring(*integer);
  if (const std::optional<double> number = value.number()) return std::to_wstring(*number);
  return L"nil";
}

std::wstring chainText(const HcResBufChain& chain) {
  std::wstring text;
  for (const HcResBuf& item : chain.items()) {
    if (!text.empty() && text.back() != L'(' && item.type != kRtListEnd) text += L' ';
    switch (item.type) {
      case kRtListBegin: text += L'('; break;
      case kRtListEnd: text += L')'; break;
      case kRtNil: text += L"nil"; break;
      case kRtT: text += L'T'; break;
      default: text += valueText(item);
    }
  }
  return text;
}

}  // namespace

std::optional<HcMenuEntry> parsePopupEntry(const std::wstring& text) {
  if (text == L"-") return HcMenuEntry::separator();
  const std::size_t colon = text.find(L':');
  if (colon == 0 || colon == std::wstring::npos || !isInteger(text.substr(0, colon))) return std::nullopt;
  std::wstring label = text.substr(colon + 1);
  bool greyed = false;
  if (label.size() > 7 && os::iequals(label.substr(label.size() - 7), L":greyed")) {
    greyed = true;
    label.resize(label.size() - 7);
  }
  if (label.empty()) return std::nullopt;
  return HcMenuEntry::item(static_cast<unsigned>(std::stoi(text.substr(0, colon))), label, greyed);
}

ShellVerbs::ShellVerbs(platform::ReferenceHost& host, textui::TextUiHost& ui, ShellAnswers& answers)
    : host_(host), ui_(ui), answers_(answers) {}

ShellVerbs::~ShellVerbs() { setTrace(false); }

void ShellVerbs::print(const std::wstring& text) { host_.runtime().commandLine().print(text); }

ShellVerbs::Outcome ShellVerbs::refuse(const std::wstring& message) {
  print(message + L"\n");
  return Outcome::kRefused;
}

void ShellVerbs::setTrace(bool on) {
  trace_ = on;
  const auto line = [this](const std::wstring& text) { print(L"[trace] " + text + L"\n"); };
  host_.runtime().documents().setSendObserver(
      on ? runtime::HeadlessDocManager::SendObserver([line](const HcDocument& doc, const std::wstring& text) {
        line(L"queued to " + textui::quoted(doc.fileName()) + L": " + textui::quoted(text));
      })
         : nullptr);
  host_.lisp().setInvokeObserver(on ? lisp::Interpreter::InvokeObserver([line](const HcResBufChain& call, int status,
                                                                                 const HcResBufChain& result) {
    line(L"lisp (" + chainText(call) + L") -> " + (status == kRtNorm ? chainText(result) : std::wstring(L"error")));
  })
                                    : nullptr);
  if (siblings::SiblingStandIns* siblings = host_.siblings())
    siblings->log().setObserver(on ? std::function<void(const siblings::SiblingCall&)>(
                                         [line](const siblings::SiblingCall& call) { line(L"sibling " + call.text()); })
                                   : nullptr);
  answers_.setTrace(on ? ShellAnswers::Trace(line) : nullptr);
}

ShellVerbs::Outcome ShellVerbs::run(const std::wstring& line, const std::function<void(const std::wstring&)>& echo) {
  std::vector<std::wstring> words = runtime::splitCommandWords(line);
  if (words.empty()) return Outcome::kNotAVerb;
  const std::wstring verb = os::toLower(words.front());
  static const wchar_t* const kVerbs[] = {L"palette", L"answer", L"trace", L"setvar", L"getvar", L"new", L"docs", L"popup", L"dialog"};
  if (std::none_of(std::begin(kVerbs), std::end(kVerbs), [&](const wchar_t* v) { return verb == v; }))
    return Outcome::kNotAVerb;
  if (echo) echo(line);
  const std::vector<std::wstring> args(words.begin() + 1, words.end());
  if (verb == L"palette" && args.size() == 1 && (os::iequals(args[0], L"show") || os::iequals(args[0], L"hide"))) {
    // The module decides whether its palette is shown: through its own commands.
    host_.runtime().commandLine().queue(nullptr, os::iequals(args[0], L"show") ? L"_Voxnav\n" : L"_Voxhidenav\n", false);
    return Outcome::kDone;
  }
  if (verb == L"palette") return ui_.paletteVerb(args) ? Outcome::kDone : Outcome::kRefused;
  if (verb == L"answer") {
    const std::size_t start = line.find_first_not_of(L' ', line.find(L' '));
    if (words.size() < 2 || start == std::wstring::npos) return refuse(L"answer: wants the answer line");
    answers_.queue(line.substr(start));
    return Outcome::kDone;
  }
  if (verb == L"trace") {
    if (args.size() != 1 || (!os::iequals(args[0], L"on") && !os::iequals(args[0], L"off")))
      return refuse(L"trace: wants on or off");
    setTrace(os::iequals(args[0], L"on"));
    return Outcome::kDone;
  }
  if (verb == L"setvar") return setVariable(args);
  if (verb == L"getvar") return getVariable(args);
  if (verb == L"new") {
    if (!args.empty()) return refuse(L"new: takes no arguments");
    const runtime::HeadlessDocument* doc = host_.runtime().documents().newDocument();
    print(L"New drawing " + textui::quoted(doc->fileName()) + L"\n");
    return Outcome::kDone;
  }
  if (verb == L"dialog") return refuse(L"dialog: no dialog is open (answer a dialog with \"answer\" lines or the lines after its command)");
  if (verb == L"docs") return args.empty() ? listDocuments() : refuse(L"docs: takes no arguments");
  return popup(args);
}

ShellVerbs::Outcome ShellVerbs::setVariable(const std::vector<std::wstring>& args) {
  if (args.size() != 2) return refuse(L"setvar: wants a name and a value");
  runtime::SystemVariables& variables = host_.runtime().variables();
  const std::optional<HcResBuf> current = variables.get(args[0]);
  const bool text = current ? current->string() != nullptr : !isInteger(args[1]);
  if (!text && !isInteger(args[1])) return refuse(L"setvar: " + args[0] + L" wants an integer");
  if (text) {
    variables.setText(args[0], args[1]);
  } else {
    variables.setInteger(args[0], std::stoi(args[1]));
  }
  return getVariable({args[0]});
}

ShellVerbs::Outcome ShellVerbs::getVariable(const std::vector<std::wstring>& args) {
  if (args.size() != 1) return refuse(L"getvar: wants a name");
  const std::optional<HcResBuf> value = host_.runtime().services().getVar(args[0]);
  if (!value) return refuse(L"getvar: no system variable " + args[0]);
  print(os::toUpper(args[0]) + L" = " + valueText(*value) + L"\n");
  return Outcome::kDone;
}

ShellVerbs::Outcome ShellVerbs::listDocuments() {
  const runtime::HeadlessDocManager& documents = host_.runtime().documents();
  print(L"documents: " + std::to_wstring(documents.documentCount()) + L"\n");
  for (const HcDocument* doc : documents.documents()) {
    const auto* headless = dynamic_cast<const runtime::HeadlessDocument*>(doc);
    print(L"  " + textui::quoted(doc->fileName()) + (doc == documents.curDocument() ? L" {current}" : L"") +
          (doc == documents.mdiActiveDocument() ? L" {active}" : L"") +
          (doc->isQuiescent() ? L" {quiescent}" : L" {busy}") + (doc->isReadOnly() ? L" {read-only}" : L"") +
          (headless != nullptr && !headless->isTitled() ? L" {untitled}" : L"") + L"\n");
  }
  return Outcome::kDone;
}

ShellVerbs::Outcome ShellVerbs::popup(const std::vector<std::wstring>& args) {
  if (args.size() < 2) return refuse(L"popup: wants a name and entries (101:Text, 102:Text:greyed, -)");
  HcMenu menu{args[0], {}};
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::optional<HcMenuEntry> entry = parsePopupEntry(args[i]);
    if (!entry) return refuse(L"popup: bad entry \"" + args[i] + L"\"");
    menu.entries.push_back(*entry);
  }
  const std::optional<unsigned> chosen = ui_.popupMenu(menu, HcPoint{});
  print(L"popup " + menu.name + L": " + (chosen ? std::to_wstring(*chosen) : std::wstring(L"none")) + L"\n");
  return Outcome::kDone;
}

}  // namespace vox::shell
