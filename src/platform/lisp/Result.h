#pragma once
// The outcome of reading, converting or evaluating LISP: a value or an error message. Errors are
// ordinary values here; nothing in the LISP layer throws to report bad input.

#include <string>
#include <utility>
#include <variant>

namespace vox::lisp {

struct Error {
  std::wstring message;
};

template <class T>
class Result {
 public:
  Result(T value) : data_(std::move(value)) {}     // NOLINT(google-explicit-constructor)
  Result(Error error) : data_(std::move(error)) {}  // NOLINT(google-explicit-constructor)

  bool ok() const { return std::holds_alternative<T>(data_); }
  explicit operator bool() const { return ok(); }

  // The value; only when ok().
  const T& value() const& { return std::get<T>(data_); }
  T& value() & { return std::get<T>(data_); }
  T&& value() && { return std::get<T>(std::move(data_)); }

  // The error; only when !ok().
  const Error& error() const { return std::get<Error>(data_); }

 private:
  std::variant<T, Error> data_;
};

inline Error makeError(std::wstring message) { return Error{std::move(message)}; }

}  // namespace vox::lisp
