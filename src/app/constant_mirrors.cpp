// The portable code builds without the Windows SDK, so it spells the SDK's numbers it hands
// to the system (styles, flags, attributes, error codes, record layouts) as constants of its
// own, and the Win32 side passes them straight through. This file, compiled into the exe
// only, holds each of those copies to the SDK's value: a mirror that drifts stops the build
// instead of sending Windows a wrong flag. It emits no code.
#include <windows.h>
#include <iphlpapi.h>
#include <ras.h>
#include <shellapi.h>
#include <shlobj.h>
#include <wininet.h>

#include <cstddef>

#include "forms/types.h"
#include "network/if_table_parser.h"
#include "network/traffic_panel.h"
#include "network/traffic_tally.h"
#include "platform/dialup.h"
#include "platform/file_system.h"
#include "platform/interface_table.h"
#include "platform/session.h"
#include "platform/shell.h"
#include "platform/tray_icon.h"
#include "platform/types.h"
#include "platform/window_manager.h"

namespace {

// Window styles, layered windows and SetWindowPos.
static_assert(platform::kWsExLayered == WS_EX_LAYERED);
static_assert(platform::kWsExTopmost == WS_EX_TOPMOST);
static_assert(platform::kLwaAlpha == LWA_ALPHA);
static_assert(platform::swp::kNoSize == SWP_NOSIZE);
static_assert(platform::swp::kNoMove == SWP_NOMOVE);
static_assert(platform::swp::kNoZOrder == SWP_NOZORDER);
static_assert(platform::swp::kNoActivate == SWP_NOACTIVATE);
static_assert(platform::swp::kFrameChanged == SWP_FRAMECHANGED);
static_assert(sizeof(platform::WindowHandle) == sizeof(HWND));

// The session, the process token and its privileges.
static_assert(platform::exit_windows::kLogOff == EWX_LOGOFF);
static_assert(platform::exit_windows::kShutdown == EWX_SHUTDOWN);
static_assert(platform::exit_windows::kReboot == EWX_REBOOT);
static_assert(platform::exit_windows::kForce == EWX_FORCE);
static_assert(platform::kTokenAdjustPrivileges == TOKEN_ADJUST_PRIVILEGES);
static_assert(platform::kTokenQuery == TOKEN_QUERY);
static_assert(platform::kSePrivilegeEnabled == SE_PRIVILEGE_ENABLED);
static_assert(sizeof(platform::TokenPrivileges) == sizeof(TOKEN_PRIVILEGES));
static_assert(sizeof(platform::Luid) == sizeof(LUID));

// Files, drives and shell folders.
static_assert(platform::file_attribute::kReadOnly == FILE_ATTRIBUTE_READONLY);
static_assert(platform::file_attribute::kHidden == FILE_ATTRIBUTE_HIDDEN);
static_assert(platform::file_attribute::kSystem == FILE_ATTRIBUTE_SYSTEM);
static_assert(platform::file_attribute::kDirectory == FILE_ATTRIBUTE_DIRECTORY);
static_assert(platform::file_attribute::kArchive == FILE_ATTRIBUTE_ARCHIVE);
static_assert(platform::file_attribute::kNormal == FILE_ATTRIBUTE_NORMAL);
static_assert(platform::file_attribute::kReparsePoint == FILE_ATTRIBUTE_REPARSE_POINT);
static_assert(platform::kDriveFixed == DRIVE_FIXED);
static_assert(platform::kCsidlRecent == CSIDL_RECENT);

// The shell: recycle bin, ShellExecute and the notification area.
static_assert(platform::recycle_flags::kNoConfirmation == SHERB_NOCONFIRMATION);
static_assert(platform::recycle_flags::kNoProgressUi == SHERB_NOPROGRESSUI);
static_assert(platform::recycle_flags::kNoSound == SHERB_NOSOUND);
static_assert(platform::kShowNormal == SW_SHOWNORMAL);
static_assert(platform::tray_flags::kMessage == NIF_MESSAGE);
static_assert(platform::tray_flags::kIcon == NIF_ICON);
static_assert(platform::tray_flags::kTip == NIF_TIP);
static_assert(platform::tray_flags::kShowTip == NIF_SHOWTIP);
static_assert(platform::kTrayCallbackMessage == WM_APP + 2);
static_assert(platform::tray_events::kSelect == NIN_SELECT);
static_assert(platform::tray_events::kKeySelect == NIN_KEYSELECT);
static_assert(platform::tray_events::kContextMenu == WM_CONTEXTMENU);

// Message boxes: styles in, answers out.
static_assert(forms::msgbox::kOkOnly == MB_OK);
static_assert(forms::msgbox::kOkCancel == MB_OKCANCEL);
static_assert(forms::msgbox::kYesNo == MB_YESNO);
static_assert(forms::msgbox::kCritical == MB_ICONERROR);
static_assert(forms::msgbox::kQuestion == MB_ICONQUESTION);
static_assert(forms::msgbox::kExclamation == MB_ICONEXCLAMATION);
static_assert(forms::msgbox::kInformation == MB_ICONINFORMATION);
static_assert(forms::msgbox::kAnswerOk == IDOK);
static_assert(forms::msgbox::kAnswerCancel == IDCANCEL);
static_assert(forms::msgbox::kAnswerYes == IDYES);
static_assert(forms::msgbox::kAnswerNo == IDNO);

// System colours: the low byte is the GetSysColor index.
static_assert((forms::kSystemButtonFace & 0xFF) == COLOR_BTNFACE);
static_assert((forms::kSystemButtonText & 0xFF) == COLOR_BTNTEXT);
static_assert((forms::kSystemWindow & 0xFF) == COLOR_WINDOW);

// Dial-up: the first, smallest RASENTRYNAME layout, and InternetDial's flag.
static_assert(platform::kRasEntryNameLength == RAS_MaxEntryName + 1);
static_assert(platform::kRasEntryNameLength == sizeof(tagRASENTRYNAMEA::szEntryName));
static_assert(offsetof(RASENTRYNAMEA, szEntryName) == 4);                        // after dwSize
static_assert(platform::kRasEntryNameSize == offsetof(RASENTRYNAMEA, dwFlags));  // where later versions grow
static_assert(platform::kInternetAutodialForceUnattended == INTERNET_AUTODIAL_FORCE_UNATTENDED);

// The interface table: its status codes, the loopback type and the row the parser reads.
static_assert(platform::kNoError == NO_ERROR);
static_assert(platform::kErrorNotSupported == ERROR_NOT_SUPPORTED);
static_assert(platform::kErrorInsufficientBuffer == ERROR_INSUFFICIENT_BUFFER);
static_assert(platform::if_type::kEthernet == IF_TYPE_ETHERNET_CSMACD);
static_assert(platform::if_type::kPpp == IF_TYPE_PPP);
static_assert(platform::if_type::kSoftwareLoopback == IF_TYPE_SOFTWARE_LOOPBACK);
static_assert(platform::if_type::kWireless == IF_TYPE_IEEE80211);
static_assert(platform::if_type::kTunnel == IF_TYPE_TUNNEL);
static_assert(sparvane::network::kOperStatusConnected == MIB_IF_OPER_STATUS_CONNECTED);
static_assert(sparvane::network::kOperStatusOperational == MIB_IF_OPER_STATUS_OPERATIONAL);
static_assert(sparvane::network::kIfTableHeaderBytes == offsetof(MIB_IFTABLE, table));
static_assert(sparvane::network::kIfRowBytes == sizeof(MIB_IFROW));

namespace row = sparvane::network::if_row;
static_assert(row::kIndex == offsetof(MIB_IFROW, dwIndex));
static_assert(row::kType == offsetof(MIB_IFROW, dwType));
static_assert(row::kSpeed == offsetof(MIB_IFROW, dwSpeed));
static_assert(row::kOperStatus == offsetof(MIB_IFROW, dwOperStatus));
static_assert(row::kLastChange == offsetof(MIB_IFROW, dwLastChange));
static_assert(row::kInOctets == offsetof(MIB_IFROW, dwInOctets));
static_assert(row::kInUcastPkts == offsetof(MIB_IFROW, dwInUcastPkts));
static_assert(row::kInNUcastPkts == offsetof(MIB_IFROW, dwInNUcastPkts));
static_assert(row::kOutOctets == offsetof(MIB_IFROW, dwOutOctets));
static_assert(row::kOutUcastPkts == offsetof(MIB_IFROW, dwOutUcastPkts));
static_assert(row::kOutNUcastPkts == offsetof(MIB_IFROW, dwOutNUcastPkts));
static_assert(row::kDescrLen == offsetof(MIB_IFROW, dwDescrLen));
static_assert(row::kDescr == offsetof(MIB_IFROW, bDescr));
static_assert(row::kDescrBytes == MAXLEN_IFDESCR);
static_assert(row::kDescrBytes == sizeof(MIB_IFROW::bDescr));

}  // namespace
