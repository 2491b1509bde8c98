// OLE on the calling thread for as long as this lives, as every host has
// it before it creates a control.
#ifndef KESTREL_CONTAINER_OLE_SESSION_H
#define KESTREL_CONTAINER_OLE_SESSION_H

#include <windows.h>
#include <ole2.h>

class OleSession {
  public:
    OleSession() : result_(OleInitialize(nullptr)) {}
    ~OleSession() {
        if (SUCCEEDED(result_)) OleUninitialize();
    }
    OleSession(const OleSession&) = delete;
    OleSession& operator=(const OleSession&) = delete;
    HRESULT Result() const { return result_; }

  private:
    HRESULT result_;
};

#endif
