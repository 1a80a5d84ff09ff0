#include "platform/lisp/LispReader.h"

#include <cerrno>
#include <cstdlib>

#include "platform/os/CaseMapping.h"

namespace vox::lisp {
namespace {

bool isDelimiter(wchar_t c) {
  return c == L'(' || c == L')' || c == L'"' || c == L'\'' || c == L';' || c == L' ' || c == L'\t' || c == L'\n' ||
         c == L'\r' || c == L'\f' || c == L'\v';
}

// A number, when the whole token is one.
std::optional<Value> numberToken(const std::wstring& token) {
  std::string narrow;
  for (const wchar_t c : token) {
    if (c > 0x7F) return std::nullopt;
    narrow += static_cast<char>(c);
  }
  if (narrow.empty() || narrow.find_first_of("0123456789") == std::string::npos) return std::nullopt;
  if (narrow.find_first_not_of("0123456789+-.eE") != std::string::npos) return std::nullopt;
  const bool integral = narrow.find_first_of(".eE") == std::string::npos;
  char* end = nullptr;
  errno = 0;
  if (integral) {
    const long long value = std::strtoll(narrow.c_str(), &end, 10);
    if (*end != '\0') return std::nullopt;
    if (errno != ERANGE && value >= INT32_MIN && value <= INT32_MAX) return Value::ofInteger(static_cast<std::int32_t>(value));
  }
  const double real = std::strtod(narrow.c_str(), &end);  // "C" numeric format in every locale we set
  if (*end != '\0') return std::nullopt;
  return Value::ofReal(real);
}

// (quote inner), built without copying inner.
Value quoted(Value inner) {
  std::vector<Value> elements;
  elements.reserve(2);
  elements.push_back(Value::symbol(L"quote"));
  elements.push_back(std::move(inner));
  return Value::ofList(std::move(elements));
}

Value atom(const std::wstring& token) {
  if (std::optional<Value> number = numberToken(token)) return *number;
  if (os::iequals(token, L"nil")) return Value::nil();
  if (os::iequals(token, L"T")) return Value::t();
  return Value::symbol(token);
}

class Reader {
 public:
  explicit Reader(std::wstring_view text) : text_(text) {}

  ReadResult run() {
    ReadResult result;
    while (result.error.empty()) {
      skipBlanks();
      if (pos_ >= text_.size()) break;
      readOne(result);
    }
    return result;
  }

 private:
  // One frame per open list; `quoted` marks a list that a quote character began to wrap.
  struct Frame {
    std::vector<Value> values;
    bool quoted = false;
  };

  void skipBlanks() {
    while (pos_ < text_.size()) {
      const wchar_t c = text_[pos_];
      if (c == L';') {
        while (pos_ < text_.size() && text_[pos_] != L'\n') ++pos_;
      } else if (c == L' ' || c == L'\t' || c == L'\n' || c == L'\r' || c == L'\f' || c == L'\v') {
        ++pos_;
      } else {
        return;
      }
    }
  }

  bool fail(ReadResult& result, const std::wstring& message) {
    result.error = message + L" at position " + std::to_wstring(pos_);
    return false;
  }

  void readOne(ReadResult& result) {
    std::vector<Frame> stack;
    std::size_t pendingQuotes = 0;  // quotes waiting for the value they apply to
    std::vector<std::size_t> quotesAtOpen;
    // Every open list and every waiting quote is one level of the value being built.
    std::size_t quotesOpen = 0;
    const auto tooDeep = [&] { return stack.size() + quotesOpen >= kMaxNesting; };
    for (;;) {
      skipBlanks();
      if (pos_ >= text_.size()) {
        fail(result, stack.empty() ? L"quote without a value" : L"malformed list");
        return;
      }
      const wchar_t c = text_[pos_];
      std::optional<Value> done;
      if (c == L'\'') {
        if (tooDeep()) {
          fail(result, L"nesting too deep");
          return;
        }
        ++pos_;
        ++pendingQuotes;
        ++quotesOpen;
        continue;
      }
      if (c == L'(') {
        if (tooDeep()) {
          fail(result, L"nesting too deep");
          return;
        }
        ++pos_;
        stack.emplace_back();
        quotesAtOpen.push_back(pendingQuotes);
        pendingQuotes = 0;
        continue;
      }
      if (c == L')') {
        if (stack.empty()) {
          fail(result, L"extra right paren");
          return;
        }
        ++pos_;
        done = Value::ofList(std::move(stack.back().values));
        stack.pop_back();
        pendingQuotes = quotesAtOpen.back();
        quotesAtOpen.pop_back();
      } else if (c == L'"') {
        done = readString(result);
        if (!done) return;
      } else {
        const std::size_t start = pos_;
        while (pos_ < text_.size() && !isDelimiter(text_[pos_])) ++pos_;
        done = atom(std::wstring(text_.substr(start, pos_ - start)));
      }
      quotesOpen -= pendingQuotes;
      for (; pendingQuotes > 0; --pendingQuotes) done = quoted(std::move(*done));
      if (stack.empty()) {
        result.values.push_back(std::move(*done));
        return;
      }
      stack.back().values.push_back(std::move(*done));
    }
  }

  std::optional<Value> readString(ReadResult& result) {
    ++pos_;  // opening quote
    std::wstring s;
    while (pos_ < text_.size()) {
      wchar_t c = text_[pos_++];
      if (c == L'"') return Value::ofString(std::move(s));
      if (c == L'\\' && pos_ < text_.size()) {
        c = text_[pos_++];
        switch (c) {
          case L'n': c = L'\n'; break;
          case L'r': c = L'\r'; break;
          case L't': c = L'\t'; break;
          case L'e': c = 0x1B; break;
          default: break;  // \" \\ and any other character stand for themselves
        }
      }
      s += c;
    }
    fail(result, L"unterminated string");
    return std::nullopt;
  }

  std::wstring_view text_;
  std::size_t pos_ = 0;
};

void printInto(const Value& value, std::wstring& out, std::size_t depth) {
  switch (value.kind) {
    case Value::Kind::kNil: out += L"nil"; return;
    case Value::Kind::kT: out += L"T"; return;
    case Value::Kind::kInteger: out += std::to_wstring(value.integer); return;
    case Value::Kind::kReal: out += hcLispReal(value.real); return;
    case Value::Kind::kString: out += hcLispQuoted(value.text); return;
    case Value::Kind::kSymbol: out += value.text; return;
    case Value::Kind::kList:
      if (depth >= kMaxNesting) {
        out += L"(...)";
        return;
      }
      out += L'(';
      for (std::size_t i = 0; i < value.list.size(); ++i) {
        if (i > 0) out += L' ';
        printInto(value.list[i], out, depth + 1);
      }
      out += L')';
      return;
  }
}

}  // namespace

ReadResult readAll(std::wstring_view text) { return Reader(text).run(); }

std::wstring print(const Value& value) {
  std::wstring out;
  printInto(value, out, 0);
  return out;
}

}  // namespace vox::lisp
