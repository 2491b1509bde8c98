/*
 * The fixed identities of Kestrel's classes, interfaces and type library.
 *
 * Written once, as text, so that the type library source, the registry
 * scripts and the C++ code all take them from here. Hosts create the
 * controls by these values: never change one.
 *
 * This file is read by widl, by the C++ compiler and by CMake (which fills
 * the registry scripts from it), so it holds nothing but these defines.
 */
#ifndef KESTREL_IDS_H
#define KESTREL_IDS_H

#define KESTREL_LIBID_TEXT "3F5E02C7-7299-4DC6-99AD-4736D81837E1"
#define KESTREL_CLSID_DEVICETRANSFER_TEXT "00ED585C-0D21-4651-BB27-9C059BEFB464"
#define KESTREL_CLSID_MENUCTRL_TEXT "F46A4575-0309-4BD7-B91B-3C4BD27C7D29"
/* The menu bar's registry entry names this identity as its TypeLib. It is
 * deliberately not the module's own library identity: the menu bar has
 * always been registered under a separate fixed identity, and nothing in
 * the module reads the value back. */
#define KESTREL_MENUCTRL_TYPELIB_TEXT "16CDF54C-F5D5-437C-A0C9-F8978511AAE4"

#define KESTREL_IID_IDUMMYDISPATCH_TEXT "44D159E6-FE6F-4538-8FC6-636F0BD413C2"
#define KESTREL_DIID_IDEVICETRANSFEREVENTS_TEXT "658AE99B-84B1-4ED4-B7E8-A60BD601EDDA"
#define KESTREL_IID_IDEVICETRANSFER_TEXT "14B2E733-E4EE-432C-A99F-3D9AB209BF71"
#define KESTREL_IID_IPLUGINTEXT_TEXT "2FD0C7A2-F48B-45D0-8927-8AE3393FED9F"
#define KESTREL_DIID_IMENUCTRLEVENTS_TEXT "AEB4A5CC-35D5-4937-A083-D92B89424C29"
#define KESTREL_IID_IMENUCTRL_TEXT "3277B376-804C-416A-A98C-F564329DA977"
#define KESTREL_IID_IACCESSIBLEOWNER_TEXT "265F3EFF-A3AE-4A47-A86E-32B30D27E39D"
#define KESTREL_IID_IACCESSIBLEPROXYLINK_TEXT "6577AF4D-3263-4B4F-9615-CE58335D2505"

#endif
