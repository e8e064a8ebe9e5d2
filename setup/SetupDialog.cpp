#include "setup/SetupDialog.h"

#include "foundation/OwnedHandle.h"
#include "foundation/Settings.h"
#include "resources/SetupResources.h"
#include "setup/Bands.h"
#include "setup/DefaultImDialog.h"
#include "setup/Help.h"
#include "setup/SettingsPages.h"

#include <algorithm>
#include <string>

namespace {

// The buttons are laid out for a window this many pixels high, or for the client area where it
// is less high (a landscape screen), so that none falls below the window's edge.
constexpr int LayoutHeight = 268;
constexpr int RowHeight = 38;
constexpr int Gap = 5;

// The band above the row below it, 5 pixels narrower on each side.
RECT RowAbove(RECT row) {
    return CutBottomBand(CutBottomBand(row, nullptr, -RowHeight, Gap), nullptr, RowHeight, 0);
}

} // namespace

BEGIN_MESSAGE_MAP(SetupDialog, CDialog)
ON_WM_PAINT()
ON_COMMAND(IDC_GENERAL, &SetupDialog::OnGeneral)
ON_COMMAND(IDC_SNIPLETS, &SetupDialog::OnSniplets)
ON_COMMAND(IDC_KEYBOARD, &SetupDialog::OnKeyboard)
ON_COMMAND(IDC_HELP_BUTTON, &SetupDialog::OnHelp)
ON_COMMAND(IDC_BOOT_IM, &SetupDialog::OnBootIm)
END_MESSAGE_MAP()

SetupDialog::SetupDialog()
    : CDialog(IDD_SETUP), icon(LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_SETUP))) {
    // The buttons are laid out for the full height of the device's screen.
    m_bFullScreen = TRUE;
}

void SetupDialog::DoDataExchange(CDataExchange* pDX) {
    DDX_Control(pDX, IDC_BOOT_IM, bootImButton);
    DDX_Control(pDX, IDC_HELP_BUTTON, helpButton);
    DDX_Control(pDX, IDC_KEYBOARD, keyboardButton);
    DDX_Control(pDX, IDC_GENERAL, generalButton);
    DDX_Control(pDX, IDC_SNIPLETS, snipletsButton);
    DDX_Control(pDX, IDC_VERSION, versionLabel);
    DDX_Control(pDX, IDC_PRODUCT_NAME, productNameLabel);
}

BOOL SetupDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    SetIcon(icon, TRUE);
    SetIcon(icon, FALSE);
    CenterWindow();
    return TRUE;
}

void SetupDialog::OnPaint() {
    PaintBracket paint(m_hWnd);
    ArrangeButtons();
    SetLabels(paint.DC());
}

void SetupDialog::ArrangeButtons() {
    RECT client;
    GetClientRect(&client);
    const int height = std::min<int>(LayoutHeight, client.bottom);
    RECT bottom = CutBottomBand({0, 0, client.right, height}, nullptr, RowHeight, 0);
    RECT rest = CutBottomBand(bottom, nullptr, -10, Gap);
    RECT row1 = CutBottomBand(rest, nullptr, RowHeight, 0);
    PlaceInRow(&snipletsButton, row1, 0, 3, Gap);
    PlaceInRow(&bootImButton, row1, 1, 3, Gap);
    PlaceInRow(&helpButton, row1, 3, 4, Gap);
    RECT row2 = RowAbove(row1);
    RECT row3 = RowAbove(row2);
    // Above a docked input panel on a landscape screen a third row would cover the labels:
    // General then stands beside Keyboard.
    if (row3.top < LabelsBottom()) {
        PlaceInRow(&generalButton, row2, 0, 2, Gap);
        PlaceInRow(&keyboardButton, row2, 1, 2, Gap);
        return;
    }
    PlaceInRow(&keyboardButton, row2, 1, 3, Gap);
    PlaceInRow(&generalButton, row3, 1, 3, Gap);
}

int SetupDialog::LabelsBottom() const {
    RECT label;
    versionLabel.GetWindowRect(&label);
    MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&label), 2);
    return label.bottom;
}

void SetupDialog::SetLabels(HDC paintDC) {
    const std::wstring version = GetVersionText() + L" - " + L"" __TIME__ + L" - " + L"" __DATE__;
    versionLabel.SetWindowText(version.c_str());
    if (!productNameFont.m_hObject) {
        productNameFont.CreatePointFont(220, L"Times New Roman", paintDC);
        versionFont.CreatePointFont(80, L"Times New Roman", paintDC);
    }
    productNameLabel.SetFont(&productNameFont, FALSE);
    versionLabel.SetFont(&versionFont, FALSE);
}

void SetupDialog::OnGeneral() {
    ShowGeneralPage();
}

void SetupDialog::OnSniplets() {
    ShowSnipletsPage();
}

void SetupDialog::OnKeyboard() {
    ShowFingerPage();
}

void SetupDialog::OnHelp() {
    ShowHelp();
}

void SetupDialog::OnBootIm() {
    ShowDefaultImDialog();
}
