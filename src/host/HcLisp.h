#pragma once
// The host's LISP interface: functions defined per document by name and code, handlers that
// read their arguments and answer with exactly one result, and calls of LISP functions by name.

#include <functional>
#include <string>

#include "host/HcResBuf.h"

// What a handler returns: a result was set, or the call failed.
inline constexpr int kRsResult = 1;
inline constexpr int kRsError = 3;

using HcLispHandler = std::function<int()>;

// The host side, installed by the host runtime.
class HcLispHost {
 public:
  virtual ~HcLispHost() = default;
  // Defines `name` in the current document's interpreter as function `code`.
  virtual int defun(const std::wstring& name, int code) = 0;
  // The handler run when a function of `code` is called (in any document); an empty handler
  // removes the one registered.
  virtual int regFunc(HcLispHandler handler, int code) = 0;
  // The arguments of the call being handled.
  virtual HcResBufChain arguments() const = 0;
  // The result of the call being handled.
  virtual int setResult(HcResBufChain result) = 0;
  // Why the call being handled fails (a wrong argument, ...); the host shows it with the error.
  virtual void setFailureReason(const std::wstring& /*reason*/) {}
  // Calls the function named by the chain's first item (a string) with the rest as arguments.
  // kRtNorm on normal completion, with the answer in `result`; an error code otherwise.
  virtual int invoke(const HcResBufChain& call, HcResBufChain& result) = 0;
};

int hcedDefun(const wchar_t* name, int code);
int hcedRegFunc(HcLispHandler handler, int code);
HcResBufChain hcedGetArgs();
int hcedRetT();
int hcedRetNil();
int hcedRetInt(int value);  // a 16-bit integer when it fits, else a 32-bit one
int hcedRetStr(const wchar_t* value);
int hcedRetList(const HcResBufChain& list);
// Tells the host why the call being handled fails; returns kRsError for the handler to return.
int hcedFail(const std::wstring& reason);
int hcedInvoke(const HcResBufChain& call, HcResBufChain& result);
