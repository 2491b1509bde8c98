// CCriticalSection and its scoped lock: the only locks the module has.
#ifndef KESTREL_CRITICAL_SECTION_H
#define KESTREL_CRITICAL_SECTION_H

#include <windows.h>

class CCriticalSection {
  public:
    CCriticalSection() { InitializeCriticalSection(&m_cs); }
    ~CCriticalSection() { DeleteCriticalSection(&m_cs); }
    CCriticalSection(const CCriticalSection&) = delete;
    CCriticalSection& operator=(const CCriticalSection&) = delete;

    void Enter() { EnterCriticalSection(&m_cs); }
    void Leave() { LeaveCriticalSection(&m_cs); }

  private:
    CRITICAL_SECTION m_cs;
};

class CCriticalSectionLock {
  public:
    explicit CCriticalSectionLock(CCriticalSection& section) : m_cs(section) { m_cs.Enter(); }
    ~CCriticalSectionLock() { m_cs.Leave(); }
    CCriticalSectionLock(const CCriticalSectionLock&) = delete;
    CCriticalSectionLock& operator=(const CCriticalSectionLock&) = delete;

  private:
    CCriticalSection& m_cs;
};

#endif
