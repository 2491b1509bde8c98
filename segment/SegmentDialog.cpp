#include "segment/SegmentDialog.h"

#include <windowsx.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string>

#include "format/TextFormat.h"
#include "module/Module.h"
#include "module/ResourceString.h"
#include "res/resource.h"
#include "segment/RangeMath.h"

namespace {

constexpr COLORREF kMarkerColor = 0x8000;
// The shortest segment the dialog opens with, in seconds.
constexpr int kOpeningLength = 60;
// The shortest segment typed into the edits, in seconds.
constexpr int kTypedLength = 10;

const int kTimeEdits[] = {IDC_START_HOURS, IDC_START_MINUTES, IDC_END_HOURS, IDC_END_MINUTES};

int Saturate(long long value) {
    if (value > INT32_MAX) return INT32_MAX;
    if (value < INT32_MIN) return INT32_MIN;
    return static_cast<int>(value);
}

// The text of a record field that may lack its terminator.
template <std::size_t N>
std::string FieldText(const char (&field)[N]) {
    return std::string(field, ::strnlen(field, N));
}

}  // namespace

CSegmentDialog::CSegmentDialog(int programIndex, CDeviceProgram* program, ISegmentDialogHost* host)
    : m_StartMarker(kMarkerColor),
      m_EndMarker(kMarkerColor),
      m_Slider(CRangeBar::kDefaultColor, program->m_TotalTime, program->m_ProgramStart,
               range::SegmentEnd(program->m_ProgramStart, program->m_TimeOnDevice)),
      m_SavedProgram(*program),
      m_pProgram(program),
      m_ProgramIndex(programIndex),
      m_pHost(host) {
    m_Elements.Add(&m_StartMarker);
    m_Elements.Add(&m_EndMarker);
    m_Elements.Add(&m_Slider);
    m_Elements.Add(&m_StartLabel);
    m_Elements.Add(&m_EndLabel);
}

INT_PTR CSegmentDialog::DoModal(HWND owner) {
    return ::DialogBoxParamA(Module::Instance(), MAKEINTRESOURCEA(IDD_SEGMENT), owner, DialogProc,
                             reinterpret_cast<LPARAM>(this));
}

// ------------------------------------------------------------- segment

void CSegmentDialog::ApplySegment(int& start, int& end) {
    m_pProgram->m_TimeOnDevice = Saturate(static_cast<long long>(end) - start);
    m_pProgram->m_ProgramStart = start;
    if (m_pHost) m_pHost->OnAdjustProgramSegment(m_ProgramIndex, m_pProgram);
    start = m_pProgram->m_ProgramStart;
    end = range::SegmentEnd(start, m_pProgram->m_TimeOnDevice);

    ::SetDlgItemTextA(m_hWnd, IDC_SEGMENT_LENGTH, FormatDuration(m_pProgram->m_TimeOnDevice).c_str());
    // Always in megabytes, even below one.
    char size[64];
    std::snprintf(size, sizeof size, "%.1f MB", m_pProgram->m_SizeOnDevice / 1048576.0);
    ::SetDlgItemTextA(m_hWnd, IDC_SEGMENT_SIZE, size);
}

void CSegmentDialog::OnRangeChanging(int total, int& start, int& end, RECT /*barRect*/) {
    ApplySegment(start, end);
    PlaceMarkers(total, start, end);
    ShowTimesInEdits(start, end);
}

void CSegmentDialog::PlaceMarkers(int /*total*/, int start, int end) {
    RECT range;
    m_Slider.GetRangeRect(range);
    m_StartMarker.MoveTo(range.left - 5, range.top - 10);
    m_StartLabel.SetText(FormatDuration(start));
    RECT label;
    m_StartLabel.GetRect(label);
    m_StartLabel.MoveTo(range.left - (label.right - label.left) / 2 - 5, range.top - 22);

    m_EndMarker.MoveTo(range.right - 5, range.bottom + 2);
    m_EndLabel.SetText(FormatDuration(end));
    m_EndLabel.GetRect(label);
    m_EndLabel.MoveTo(range.right - (label.right - label.left) / 2 - 5, range.bottom + 12);
    ::UpdateWindow(m_hWnd);
}

void CSegmentDialog::ShowTimesInEdits(int start, int end) {
    SetEditIntIfDifferent(IDC_START_HOURS, start / 3600);
    SetEditIntIfDifferent(IDC_START_MINUTES, start / 60 - (start / 3600) * 60);
    SetEditIntIfDifferent(IDC_END_HOURS, end / 3600);
    SetEditIntIfDifferent(IDC_END_MINUTES, end / 60 - (end / 3600) * 60);
}

void CSegmentDialog::SetEditIntIfDifferent(int id, int value) {
    char text[256] = "";
    ::GetDlgItemTextA(m_hWnd, id, text, sizeof text);
    if (text[0] != '\0' && std::atoi(text) == value) return;
    ::SetDlgItemInt(m_hWnd, id, static_cast<UINT>(value), TRUE);
}

int CSegmentDialog::ReadTime(int hoursId, int minutesId) const {
    // The edits take two digits from the keyboard, but anyone can set a
    // longer text: figures are bounded before they are multiplied.
    auto read = [this](int id) -> long long {
        char text[256] = "";
        ::GetDlgItemTextA(m_hWnd, id, text, sizeof text);
        const long value = std::strtol(text, nullptr, 10);
        return value > 999999 ? 999999 : value < -999999 ? -999999 : value;
    };
    return Saturate((read(hoursId) * 60 + read(minutesId)) * 60);
}

bool CSegmentDialog::EditHasFocus() const {
    const HWND focus = ::GetFocus();
    for (const int id : kTimeEdits)
        if (focus != nullptr && focus == ::GetDlgItem(m_hWnd, id)) return true;
    return false;
}

// ------------------------------------------------------------ messages

BOOL CSegmentDialog::OnInitDialog() {
    m_Elements.SetOwnerAll(m_hWnd);
    const auto font = reinterpret_cast<HFONT>(::SendMessageA(m_hWnd, WM_GETFONT, 0, 0));
    m_StartLabel.SetFont(font);
    m_EndLabel.SetFont(font);

    RECT place{};
    ::GetWindowRect(::GetDlgItem(m_hWnd, IDC_SLIDER_PLACE), &place);
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&place), 2);
    m_Slider.SetBounds(place.left, place.top, place.right - place.left, place.bottom - place.top);
    m_Slider.SetListener(this);

    m_StartMarker.SetSize(9, 8);
    m_EndMarker.SetSize(10, 9);
    m_EndMarker.SetPointsDown(false);

    // The dialog opens with at least a minute selected, but never more than
    // the program has: a short program (or one without a length) opens with
    // what it has. The slider keeps showing the record's own segment.
    m_fUpdating = true;
    const int total = m_Slider.GetTotal();
    int start = m_Slider.GetStart();
    int end = m_Slider.GetEnd();
    if (static_cast<long long>(end) - start < kOpeningLength)
        end = std::max(end, std::min(range::SegmentEnd(start, kOpeningLength), total));
    RECT bar;
    OnRangeChanging(total, start, end, m_Slider.GetRect(bar));
    m_fUpdating = false;

    const std::string title = FieldText(m_SavedProgram.m_szTitle);
    if (!title.empty()) ::SetWindowTextA(m_hWnd, title.c_str());
    for (const int id : kTimeEdits) ::SendDlgItemMessageA(m_hWnd, id, EM_LIMITTEXT, 2, 0);

    ::SetForegroundWindow(m_hWnd);
    ::BringWindowToTop(m_hWnd);
    return TRUE;  // the focus goes to the first tab stop, OK
}

void CSegmentDialog::OnCommand(UINT id, UINT code) {
    switch (id) {
        case IDOK:
            OnOK();
            break;
        case IDCANCEL:
            OnCancel();
            break;
        case IDC_PLAY_STOP:
            OnPlayStop();
            break;
        case IDC_START_HOURS:
        case IDC_START_MINUTES:
        case IDC_END_HOURS:
        case IDC_END_MINUTES:
            // Typing alone changes nothing: the value counts once the field
            // is left.
            if (code == EN_KILLFOCUS) OnEditKillFocus();
            break;
        default:
            break;
    }
}

void CSegmentDialog::OnEditKillFocus() {
    if (m_fUpdating || m_fEnding) return;
    int start = ReadTime(IDC_START_HOURS, IDC_START_MINUTES);
    int end = ReadTime(IDC_END_HOURS, IDC_END_MINUTES);
    if (static_cast<long long>(end) - start < kTypedLength) {
        if (start > kTypedLength)
            start -= kTypedLength;
        else
            end += kTypedLength;
    }
    // Each call clamps against the other end as it stands; the second round
    // settles both.
    m_Slider.SetStart(start);
    m_Slider.SetEnd(end);
    m_Slider.SetStart(start);
    m_Slider.SetEnd(end);
    start = m_Slider.GetStart();
    end = m_Slider.GetEnd();
    if (start >= m_SavedProgram.m_TotalTime) return;
    PlaceMarkers(m_Slider.GetTotal(), start, end);
    ApplySegment(start, end);
}

void CSegmentDialog::OnOK() {
    const int start = ReadTime(IDC_START_HOURS, IDC_START_MINUTES);
    const int end = ReadTime(IDC_END_HOURS, IDC_END_MINUTES);
    if (start >= end) {
        ShowMessage(IDS_SEGMENT_START_NOT_BEFORE_END);
        return;
    }
    if (start >= m_SavedProgram.m_TotalTime) {
        ShowMessage(IDS_SEGMENT_START_BEYOND_PROGRAM);
        return;
    }
    // Enter in an edit: what was typed there counts, once, before the end.
    if (EditHasFocus()) OnEditKillFocus();
    End(IDOK);
}

void CSegmentDialog::OnCancel() {
    m_fEnding = true;
    int start = m_SavedProgram.m_ProgramStart;
    int end = range::SegmentEnd(start, m_SavedProgram.m_TimeOnDevice);
    ApplySegment(start, end);
    End(IDCANCEL);
}

void CSegmentDialog::OnPlayStop() {
    if (m_pHost)
        m_pHost->OnPlayProgramSegment(FieldText(m_pProgram->m_szProductID).c_str(), m_pProgram->m_ProgramStart);
}

void CSegmentDialog::End(INT_PTR result) {
    m_fEnding = true;
    if (result == IDOK) ::SetWindowPos(m_hWnd, nullptr, -10000, -10000, 0, 0, SWP_NOZORDER | SWP_NOACTIVATE);
    ::EndDialog(m_hWnd, result);
}

void CSegmentDialog::ShowMessage(UINT stringId) {
    ::MessageBoxA(m_hWnd, LoadResourceString(stringId).c_str(), "Lanthorn", MB_OK);
}

void CSegmentDialog::OnLButtonDown(UINT flags, int x, int y) {
    m_fUpdating = true;
    if (m_Slider.OnLButtonDown(flags, x, y)) {
        int start = m_Slider.GetStart();
        int end = m_Slider.GetEnd();
        ApplySegment(start, end);
    }
}

bool CSegmentDialog::OnSetCursor(UINT hitTest, UINT message) {
    if (m_Slider.OnSetCursor(hitTest, message)) return true;
    m_fUpdating = false;
    return false;
}

void CSegmentDialog::OnPaint() {
    PAINTSTRUCT paint;
    const HDC dc = ::BeginPaint(m_hWnd, &paint);
    if (dc) m_Elements.DrawAll(dc, &paint.rcPaint);
    ::EndPaint(m_hWnd, &paint);
}

INT_PTR CSegmentDialog::HandleMessage(UINT message, WPARAM wp, LPARAM lp) {
    switch (message) {
        case WM_INITDIALOG:
            return OnInitDialog();
        case WM_COMMAND:
            OnCommand(LOWORD(wp), HIWORD(wp));
            return TRUE;
        case WM_LBUTTONDOWN:
            OnLButtonDown(static_cast<UINT>(wp), GET_X_LPARAM(lp), GET_Y_LPARAM(lp));
            return FALSE;
        case WM_SETCURSOR:
            if (!OnSetCursor(LOWORD(lp), HIWORD(lp))) return FALSE;
            ::SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, TRUE);
            return TRUE;
        case WM_CAPTURECHANGED:
            m_Slider.StopDrag();
            return FALSE;
        case WM_PAINT:
            OnPaint();
            return TRUE;
        default:
            return FALSE;
    }
}

INT_PTR CALLBACK CSegmentDialog::DialogProc(HWND dialog, UINT message, WPARAM wp, LPARAM lp) {
    CSegmentDialog* self = nullptr;
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<CSegmentDialog*>(lp);
        self->m_hWnd = dialog;
        ::SetWindowLongPtrA(dialog, DWLP_USER, lp);
    } else {
        self = reinterpret_cast<CSegmentDialog*>(::GetWindowLongPtrA(dialog, DWLP_USER));
    }
    if (self == nullptr) return FALSE;
    try {
        return self->HandleMessage(message, wp, lp);
    } catch (const std::bad_alloc&) {
        // Out of memory inside a text: the message counts as not handled.
        return FALSE;
    }
}
