// windows.h for the front end, without its RGB macro, which would hide the core's colour helper.
#pragma once

#include <windows.h>

#include <commctrl.h>
#include <commdlg.h>
#include <shellapi.h>
#include <windowsx.h>

#undef RGB
