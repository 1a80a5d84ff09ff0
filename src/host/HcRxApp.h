#pragma once
// The host's module framework: the lifecycle messages the entry point receives and the
// application classes a module derives from; every message handler defaults to doing nothing.

enum HcRxAppMsg : int {
  kInitAppMsg = 0,
  kUnloadAppMsg = 1,
  kLoadDwgMsg = 2,
  kUnloadDwgMsg = 3,
  kInvkSubrMsg = 4,
};

enum HcRxAppRetCode : int { kRetOK = 0, kRetError = 3 };

class HcRxArxApp {
 public:
  virtual ~HcRxArxApp() = default;
  virtual HcRxAppRetCode On_kInitAppMsg(void* /*pkt*/) { return kRetOK; }
  virtual HcRxAppRetCode On_kUnloadAppMsg(void* /*pkt*/) { return kRetOK; }
  virtual HcRxAppRetCode On_kLoadDwgMsg(void* /*pkt*/) { return kRetOK; }
  virtual HcRxAppRetCode On_kUnloadDwgMsg(void* /*pkt*/) { return kRetOK; }
  virtual HcRxAppRetCode On_kInvkSubrMsg(void* /*pkt*/) { return kRetOK; }

  // Sends `msg` to the handler of that message.
  HcRxAppRetCode dispatch(HcRxAppMsg msg, void* pkt) {
    switch (msg) {
      case kInitAppMsg: return On_kInitAppMsg(pkt);
      case kUnloadAppMsg: return On_kUnloadAppMsg(pkt);
      case kLoadDwgMsg: return On_kLoadDwgMsg(pkt);
      case kUnloadDwgMsg: return On_kUnloadDwgMsg(pkt);
      case kInvkSubrMsg: return On_kInvkSubrMsg(pkt);
    }
    return kRetOK;
  }
};

class HcRxDbxApp {
 public:
  virtual ~HcRxDbxApp() = default;
};
