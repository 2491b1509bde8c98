// OLE on the calling thread for as long as this lives, as every host has
// it before it creates a control.
#ifndef KESTREL_CONTAINER_OLE_SESSION_H
#define KESTREL_CONTAINER_OLE_SESSION_H

#include <windows.h>
#include <ole2.h>

class COleSession {
  public:
    COleSession() : m_hr(OleInitialize(nullptr)) {}
    ~COleSession() {
        if (SUCCEEDED(m_hr)) OleUninitialize();
    }
    COleSession(const COleSession&) = delete;
    COleSession& operator=(const COleSession&) = delete;
    HRESULT Result() const { return m_hr; }

  private:
    HRESULT m_hr;
};

#endif
