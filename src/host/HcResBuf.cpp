#include "host/HcResBuf.h"

#include <cmath>
#include <cstdio>

std::optional<std::int32_t> HcResBuf::integer() const {
  if (const auto* s = std::get_if<std::int16_t>(&value)) return *s;
  if (const auto* l = std::get_if<std::int32_t>(&value)) return *l;
  return std::nullopt;
}

std::optional<double> HcResBuf::number() const {
  if (const auto i = integer()) return static_cast<double>(*i);
  if (const auto* d = std::get_if<double>(&value)) return *d;
  return std::nullopt;
}

HcResBufChain& HcResBufChain::str(std::wstring s) { return add({kRtStr, std::move(s)}); }
HcResBufChain& HcResBufChain::shortInt(std::int16_t i) { return add({kRtShort, i}); }
HcResBufChain& HcResBufChain::longInt(std::int32_t i) { return add({kRtLong, i}); }
HcResBufChain& HcResBufChain::real(double d) { return add({kRtReal, d}); }
HcResBufChain& HcResBufChain::nil() { return add({kRtNil, {}}); }
HcResBufChain& HcResBufChain::t() { return add({kRtT, {}}); }
HcResBufChain& HcResBufChain::beginList() { return add({kRtListBegin, {}}); }
HcResBufChain& HcResBufChain::endList() { return add({kRtListEnd, {}}); }

HcResBufChain& HcResBufChain::add(HcResBuf item) {
  items_.push_back(std::move(item));
  return *this;
}

HcResBufChain& HcResBufChain::append(const HcResBufChain& other) {
  items_.insert(items_.end(), other.items_.begin(), other.items_.end());
  return *this;
}

std::wstring hcLispQuoted(const std::wstring& s) {
  std::wstring out = L"\"";
  for (const wchar_t c : s) {
    switch (c) {
      case L'"': out += L"\\\""; break;
      case L'\\': out += L"\\\\"; break;
      case L'\n': out += L"\\n"; break;
      case L'\r': out += L"\\r"; break;
      case L'\t': out += L"\\t"; break;
      case 0x1B: out += L"\\e"; break;
      default: out += c;
    }
  }
  return out + L"\"";
}

std::wstring hcLispReal(double d) {
  if (std::isnan(d)) return L"nan";
  if (std::isinf(d)) return d < 0 ? L"-1.0e999" : L"1.0e999";  // reads back as infinity
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.6g", d);
  std::wstring out(buffer, buffer + std::char_traits<char>::length(buffer));
  if (out.find_first_of(L".e") == std::wstring::npos) out += L".0";  // stays a real when read back
  return out;
}

std::wstring HcResBufChain::toLispText() const {
  std::wstring out;
  bool needBlank = false;
  for (const HcResBuf& item : items_) {
    if (item.type == kRtListEnd) {
      out += L')';
      needBlank = true;
      continue;
    }
    if (needBlank) out += L' ';
    needBlank = true;
    switch (item.type) {
      case kRtListBegin: out += L'('; needBlank = false; break;
      case kRtStr: out += hcLispQuoted(*item.string()); break;
      case kRtShort:
      case kRtLong: out += std::to_wstring(*item.integer()); break;
      case kRtReal: out += hcLispReal(*item.number()); break;
      case kRtNil: out += L"nil"; break;
      case kRtT: out += L"T"; break;
      default: out += L"<" + std::to_wstring(item.type) + L">";
    }
  }
  return out;
}

const HcResBuf* HcResBufWalker::next() {
  if (atEnd()) return nullptr;
  return &chain_[pos_++];
}

std::optional<std::wstring> HcResBufWalker::nextString() {
  const HcResBuf* item = peek();
  if (item == nullptr || item->type != kRtStr) return std::nullopt;
  ++pos_;
  return *item->string();
}

std::optional<std::int32_t> HcResBufWalker::nextInteger() {
  const HcResBuf* item = peek();
  if (item == nullptr) return std::nullopt;
  const std::optional<std::int32_t> value = item->integer();
  if (value) ++pos_;
  return value;
}

HcResBufChain HcResBufWalker::nextValue() {
  const std::size_t start = pos_;
  HcResBufChain value;
  if (!skipValue()) return value;
  for (std::size_t i = start; i < pos_; ++i) value.add(chain_[i]);
  return value;
}

bool HcResBufWalker::skipValue() {
  if (atEnd()) return false;
  int depth = 0;
  do {
    const int type = chain_[pos_++].type;
    if (type == kRtListBegin) ++depth;
    if (type == kRtListEnd) --depth;
  } while (depth > 0 && !atEnd());
  return true;
}
