// Resource IDs of PlinkerpadSetup.
#pragma once

#define IDD_SETUP 102
#define IDI_SETUP 128

#define IDC_GENERAL 1000
#define IDC_SNIPLETS 1001
#define IDC_PRODUCT_NAME 1002
#define IDC_BOOT_IM 1003
#define IDC_VERSION 1004
#define IDC_KEYBOARD 1006
#define IDC_HELP_BUTTON 1008
