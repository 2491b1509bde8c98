/*
 * Kestrel.h: what a host includes to use Kestrel.dll.
 *
 * The records, enumerations, interfaces and identities of the device pane
 * (DeviceTransfer) and the menu bar (MenuCtrl), and the DISPIDs of the
 * events they fire. This is the one declaration of the contract; the type
 * library (Kestrel.idl) documents the same contract for tools, with 16-bit
 * characters in the records, but the in-process layout is the one below.
 *
 * Text crossing these interfaces is 8-bit, in the ANSI code page, even where
 * the type library says LPWSTR.
 *
 * The product is the 32-bit DLL. The same header serves the x64 build (used
 * to test under wine64): there, handle and pointer fields of CDeviceInfo are
 * 8 bytes wide, and pointers travelling in event arguments are VT_I8.
 */
#ifndef KESTREL_H
#define KESTREL_H

#include <windows.h>
#include <ole2.h>
#include <ocidl.h>
#include <olectl.h>

#include <cstddef>

#include "module/KestrelIds.h"
#include "module/GuidText.h"

/* ---------------------------------------------------------------- records */

/* One audio program as the host describes it: 832 bytes. Every character
 * array holds a NUL-terminated string that ends inside the array. */
struct CDeviceProgram {
    char m_szProductID[32];         /* key for the codec name */
    char m_szTitle[256];            /* column 0; matched by SetTransferProgram */
    char m_FullProgramPath[260];    /* carried only, returned unchanged */
    char m_FullPathInCompFile[256]; /* carried only, returned unchanged */
    INT32 m_TotalTime;              /* length of the whole program, seconds */
    INT32 m_TimeOnDevice;           /* length of the segment, seconds; 0 = none */
    INT32 m_SizeOnDevice;           /* size of the segment on the device, bytes */
    INT32 m_ProgramStart;           /* start of the segment, seconds */
    INT32 m_PlayBackPos;            /* seconds from the start of the segment */
    INT32 m_CodecIconIndex;         /* index into the SetImageList image list */
    INT32 m_fCanProgramBeResized;   /* non-zero: the program may be cut */
};

/* Bits of CDeviceInfo::fieldUsed: which fields SetDeviceInfo takes. */
enum DEVICE_INFO_FIELDS {
    DEV_NAME = 1,
    TOTAL_MEM = 2,
    USED_MEMORY = 4,
    DEVICE_IMAGE = 8,            /* both hDeviceImage and pPluginDevicePane */
    DEVICE_CONFIG_INTERFACE = 16 /* declared; SetDeviceInfo does not consult it */
};

struct IPluginDevicePane;

/* The connected device: 288 bytes in the 32-bit build (296 in x64, where the
 * last two fields are 8 bytes wide). */
struct CDeviceInfo {
    INT32 fieldUsed; /* DEVICE_INFO_FIELDS bits */
    char szDeviceName[256];
    /* 4 bytes of alignment: the memory figures sit on 8-byte boundaries */
    INT64 totalMemory; /* bytes */
    INT64 usedMemory;  /* bytes */
    HICON hDeviceImage;
    IPluginDevicePane* pPluginDevicePane; /* shown instead of the picture */
};

enum DISPLAY_MODE {
    DEVICE_VIEW = 0,        /* programs on the connected device */
    TRANSFER_LIST_VIEW = 1, /* programs queued for transfer */
    CDBURN_VIEW = 2         /* programs laid out for burning to CD */
};

static_assert(sizeof(CDeviceProgram) == 832, "CDeviceProgram is 832 bytes");
static_assert(offsetof(CDeviceProgram, m_szProductID) == 0, "CDeviceProgram layout");
static_assert(offsetof(CDeviceProgram, m_szTitle) == 32, "CDeviceProgram layout");
static_assert(offsetof(CDeviceProgram, m_FullProgramPath) == 288, "CDeviceProgram layout");
static_assert(offsetof(CDeviceProgram, m_FullPathInCompFile) == 548, "CDeviceProgram layout");
static_assert(offsetof(CDeviceProgram, m_TotalTime) == 804, "CDeviceProgram layout");
static_assert(offsetof(CDeviceProgram, m_TimeOnDevice) == 808, "CDeviceProgram layout");
static_assert(offsetof(CDeviceProgram, m_SizeOnDevice) == 812, "CDeviceProgram layout");
static_assert(offsetof(CDeviceProgram, m_ProgramStart) == 816, "CDeviceProgram layout");
static_assert(offsetof(CDeviceProgram, m_PlayBackPos) == 820, "CDeviceProgram layout");
static_assert(offsetof(CDeviceProgram, m_CodecIconIndex) == 824, "CDeviceProgram layout");
static_assert(offsetof(CDeviceProgram, m_fCanProgramBeResized) == 828, "CDeviceProgram layout");

static_assert(sizeof(DEVICE_INFO_FIELDS) == 4 && sizeof(DISPLAY_MODE) == 4, "enums are 32-bit");
static_assert(offsetof(CDeviceInfo, fieldUsed) == 0, "CDeviceInfo layout");
static_assert(offsetof(CDeviceInfo, szDeviceName) == 4, "CDeviceInfo layout");
static_assert(offsetof(CDeviceInfo, totalMemory) == 264, "CDeviceInfo layout");
static_assert(offsetof(CDeviceInfo, usedMemory) == 272, "CDeviceInfo layout");
static_assert(offsetof(CDeviceInfo, hDeviceImage) == 280, "CDeviceInfo layout");
#ifdef _WIN64
static_assert(offsetof(CDeviceInfo, pPluginDevicePane) == 288, "CDeviceInfo layout (x64)");
static_assert(sizeof(CDeviceInfo) == 296, "CDeviceInfo is 296 bytes in x64");
#else
static_assert(offsetof(CDeviceInfo, pPluginDevicePane) == 284, "CDeviceInfo layout");
static_assert(sizeof(CDeviceInfo) == 288, "CDeviceInfo is 288 bytes");
#endif

/* ------------------------------------------------------------- identities */

inline constexpr CLSID CLSID_DeviceTransfer = GuidFromText(KESTREL_CLSID_DEVICETRANSFER_TEXT);
inline constexpr CLSID CLSID_MenuCtrl = GuidFromText(KESTREL_CLSID_MENUCTRL_TEXT);
inline constexpr GUID LIBID_KESTRELLib = GuidFromText(KESTREL_LIBID_TEXT);
inline constexpr IID IID_IDummyDispatch = GuidFromText(KESTREL_IID_IDUMMYDISPATCH_TEXT);
inline constexpr IID DIID__IDeviceTransferEvents = GuidFromText(KESTREL_DIID_IDEVICETRANSFEREVENTS_TEXT);
inline constexpr IID IID_IDeviceTransfer = GuidFromText(KESTREL_IID_IDEVICETRANSFER_TEXT);
inline constexpr IID IID_IPluginText = GuidFromText(KESTREL_IID_IPLUGINTEXT_TEXT);
inline constexpr IID DIID__IMenuCtrlEvents = GuidFromText(KESTREL_DIID_IMENUCTRLEVENTS_TEXT);
inline constexpr IID IID_IMenuCtrl = GuidFromText(KESTREL_IID_IMENUCTRL_TEXT);
inline constexpr IID IID_IAccessibleOwner = GuidFromText(KESTREL_IID_IACCESSIBLEOWNER_TEXT);
inline constexpr IID IID_IAccessibleProxyLink = GuidFromText(KESTREL_IID_IACCESSIBLEPROXYLINK_TEXT);

/* ------------------------------------------------------------- interfaces */

/* The device pane's custom interface. Not dual, never marshalled: the class
 * is registered "Both" and called directly in process. Three methods return
 * a plain value in the status position, as noted. */
struct IDeviceTransfer : public IUnknown {
    virtual long STDMETHODCALLTYPE GetItemsCount() = 0; /* count, not a status */
    virtual HRESULT STDMETHODCALLTYPE AddProgram(CDeviceProgram* pProgData) = 0;
    virtual HRESULT STDMETHODCALLTYPE RemoveProgram(int programIndex) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetProgramProperties(int programIndex, CDeviceProgram* pProgData) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetDeviceConnection(int ConnectionStatus, int IsAnimate, LPCSTR lpszStatus) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetDeviceInfo(CDeviceInfo deviceInfo) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetDeviceInfo(CDeviceInfo* deviceInfo) = 0;
    virtual HRESULT STDMETHODCALLTYPE RemoveAllPrograms() = 0;
    virtual long STDMETHODCALLTYPE GetSelCount() = 0; /* count, not a status */
    virtual HRESULT STDMETHODCALLTYPE GetSelItems(int* pItemArray, int arraySize) = 0;
    virtual HRESULT STDMETHODCALLTYPE ShowSelectedProgramDetails() = 0;
    virtual HRESULT STDMETHODCALLTYPE SetImageList(void* hImageList) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetDisplayMode(DISPLAY_MODE displayMode) = 0;
    virtual long STDMETHODCALLTYPE GetDisplayMode() = 0; /* a DISPLAY_MODE, not a status */
    virtual HRESULT STDMETHODCALLTYPE UpdateProgram(int progIndex, CDeviceProgram* pNewProgData, long bRepaintItem) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetFocus() = 0;
    virtual HRESULT STDMETHODCALLTYPE CreateProgramAdjustDialog(CDeviceProgram* pDevProg, int progIndex) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetTransferProgram(LPCSTR pszName) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetAboutDeviceText(LPCSTR pszText) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetRedraw(long bRedrawFlag) = 0;
};

/* Status text supplied by a device plug-in. */
struct IPluginText : public IUnknown {
    virtual HRESULT STDMETHODCALLTYPE LockPluginText(long bLock) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetPluginText(int ConnectionStatus, LPCSTR lpszPluginText) = 0;
};

/* The object a device plug-in hands over in CDeviceInfo::pPluginDevicePane.
 * Not a COM interface (no QueryInterface): a table of five __stdcall
 * operations that take the object as their first argument. Declared as a
 * class without data or destructor, so its layout is exactly that table. */
struct IPluginPaneSite;
struct IPluginDevicePane {
    virtual ULONG STDMETHODCALLTYPE AddRef() = 0;
    virtual ULONG STDMETHODCALLTYPE Release() = 0;
    virtual HRESULT STDMETHODCALLTYPE CreatePaneWindow(HWND hwndParent, HWND* phwndPane) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetPaneSite(IPluginPaneSite* pSite) = 0;
    virtual HRESULT STDMETHODCALLTYPE ClosePane() = 0;
};

/* What the device pane hands a plug-in pane. AddRef and Release count on the
 * device pane itself; OnPaneNotify asks the pane to fire OnRefreshRequest. */
struct IPluginPaneSite {
    virtual ULONG STDMETHODCALLTYPE AddRef() = 0;
    virtual ULONG STDMETHODCALLTYPE Release() = 0;
    virtual HRESULT STDMETHODCALLTYPE OnPaneNotify() = 0;
};

/* The device pane's side of its accessibility proxy. */
struct IAccessibleOwner : public IUnknown {
    virtual HRESULT STDMETHODCALLTYPE SetProxy(IUnknown* pProxy) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetWindowHandle(HWND* phwnd) = 0;
    virtual HRESULT STDMETHODCALLTYPE Reserved(long* pValue) = 0; /* writes 0, E_NOTIMPL */
};

/* Window and menu handles are OLE_HANDLE (32 bits, which holds them also in
 * x64); an image list is a pointer, so in x64 it travels pointer-sized. */
#ifdef _WIN64
typedef LONG_PTR IMAGELIST_HANDLE;
#else
typedef OLE_HANDLE IMAGELIST_HANDLE;
#endif

/* The menu bar: a dual interface. */
struct IMenuCtrl : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE put_BackColor(OLE_COLOR clr) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_BackColor(OLE_COLOR* pclr) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_ForeColor(OLE_COLOR clr) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_ForeColor(OLE_COLOR* pclr) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_Owner(OLE_HANDLE newVal) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Owner(OLE_HANDLE* pVal) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_Menu(OLE_HANDLE newVal) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Menu(OLE_HANDLE* pVal) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_ImageList(IMAGELIST_HANDLE newVal) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_ImageList(IMAGELIST_HANDLE* pVal) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_MenuColor(OLE_COLOR newVal) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_MenuColor(OLE_COLOR* pVal) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_MenuTextColor(OLE_COLOR newVal) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_MenuTextColor(OLE_COLOR* pVal) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_Orientation(short newVal) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Orientation(short* pVal) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetMenuItemImage(long nID, long nIndex) = 0;
    virtual HRESULT STDMETHODCALLTYPE AutoSize(long* pbResult) = 0;
    /* lpRect: the address of a RECT in the caller's process (pointer-sized in x64). */
    virtual HRESULT STDMETHODCALLTYPE GetItemRect(short nItem, LONG_PTR lpRect) = 0;
};

/* ----------------------------------------------------------------- events */

/* Events of DeviceTransfer, received by DISPID through IDispatch::Invoke.
 * Pointer arguments travel as integers of the pointer's size: VT_I4 in the
 * 32-bit build, VT_I8 in the x64 build. Events 7 to 10, and the second
 * argument of OnProgramDetailes, are not in the type library. */
enum DeviceTransferEventId : DISPID {
    DISPID_DeleteProgramRequest = 1,          /* declared, never fired */
    DISPID_OnDragEnter = 2,                   /* (pDataObj, &effect) */
    DISPID_OnDragOver = 3,                    /* (&effect) */
    DISPID_OnDragLeave = 4,                   /* () */
    DISPID_OnDrop = 5,                        /* (pDataObj, &effect) */
    DISPID_OnProgramDetailes = 6,             /* (BSTR document, VT_BOOL byUser) */
    DISPID_DeleteSelectedProgramsRequest = 7, /* () */
    DISPID_OnAdjustProgramSegment = 8,        /* (index, &record, fromDialog) */
    DISPID_OnPlayProgramSegment = 9,          /* (BSTR productId, start seconds) */
    DISPID_OnRefreshRequest = 10,             /* () */
    DISPID_OnTabOrderWindow = 0x46            /* declared, never fired */
};

/* Events of MenuCtrl; the one argument is the bar item, VT_I2. */
enum MenuCtrlEventId : DISPID { DISPID_BeforePopup = 1, DISPID_AfterPopup = 2 };

#endif
