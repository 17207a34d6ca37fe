// Every resource id of the program: string numbers, menus and menu bars,
// dialog templates, controls and commands. Read by the resource script and
// by the code, so it holds only #defines.
#ifndef TALLYVANE_RESOURCE_IDS_H
#define TALLYVANE_RESOURCE_IDS_H

// String table
#define IDS_APP_TITLE           1
#define IDS_CONVERT             2
#define IDS_FROM                3
#define IDS_TO                  4
#define IDS_COPY_PREFIX         10
#define IDS_ALL_LABELS          11
#define IDS_INVALID_VALUE       12
#define IDS_NUMBER_TOO_LARGE    20
#define IDS_DECIMALS_UNLIMITED  100  /* 100 to 104: the decimal-places list */
#define IDS_DECIMALS_8          104
#define IDS_MENU_TOOLS          40003
#define IDS_MENU_CONVERT        40008
#define IDS_MENU_EDIT           40023
#define IDS_MENU_UNIT           40041

// Dialog templates
#define IDD_ABOUT               102
#define IDD_NUMBER_BASE         103
#define IDD_OPTIONS             104
#define IDD_LIST_TOOL           105
#define IDD_MONEY               106
#define IDD_CODE_LIST           107
#define IDD_PRICE_COMPARISON    108
#define IDD_CURRENCY_DATA       109
#define IDD_DAYS_BETWEEN        110
#define IDD_CIRCLE              111
#define IDD_ELECTRICAL          112
#define IDD_AREA_VOLUME         113
#define IDD_PERMUTATION         114

// Menus, menu bars (the same numbers, another resource type), accelerators
#define IDM_MAIN                103
#define IDM_MONEY               107
#define IDM_NUMBER_BASE         108
#define IDA_MAIN                104
#define RT_MENUBAR_RECORD       240  /* resource type of the menu-bar records */

// Bitmaps and icons
#define IDB_RULE                106
#define IDI_PROGRAM             128

// Menu-bar buttons
#define IDMB_TOOLS          40001
#define IDMB_CONVERT        40006
#define IDMB_EDIT           40021
#define IDMB_UNIT           40040

// Commands
#define IDC_TITLE_OK            1
#define IDC_CONVERT_BUTTON      101
#define ID_ABOUT                40004
#define ID_EXIT                 40005
#define ID_COPY                 40024
#define ID_PASTE                40025
#define ID_OPTIONS              40026
#define ID_NUMBER_BASE          40027
#define ID_CLOTHING_SIZES       40030
#define ID_EURO_RATES           40039
#define ID_CURRENCY             40044
#define ID_PRICE_COMPARISON     40045
#define ID_DIALING_CODES        40049
#define ID_CARE_LABELS          40050
#define ID_DAYS_BETWEEN         40054
#define ID_CIRCLE               40055
#define ID_ELECTRICAL           40056
#define ID_SALES_TAX            40057
#define ID_AREA_VOLUME          40058
#define ID_PERMUTATION          40059
#define ID_CITY_AREA_CODES      40061
#define ID_COPY_ROW_1           40035 /* 40035 to 40038: copy output row 1 to 4 */
#define ID_UPDATE_CURRENCY_DATA 40052
#define ID_ABOUT_CURRENCY_DATA  40053
#define ID_MODIFY_RATES         40060
#define ID_CATEGORY_FIRST       43009  /* 43009 + CategoryId, 0 to 13 */
#define ID_CATEGORY_LAST        43022

// Main window controls
#define IDC_INPUT               102
#define IDC_FROM_LIST           103
#define IDC_RESULT              104
#define IDC_TO_LIST             105

// Keypad keys (main window and tool dialogs)
#define IDC_KEY_0               3000 /* 3000 to 3009: digits */
#define IDC_KEY_9               3009
#define IDC_KEY_A               3020 /* 3020 to 3025: A to F */
#define IDC_KEY_F               3025
#define IDC_KEY_POINT           106
#define IDC_KEY_MINUS           107
#define IDC_KEY_BACK            108
#define IDC_KEY_CLEAR           1014

// About box
#define IDC_ABOUT_NAME          1050

// Options dialog
#define IDC_DIGIT_GROUPING      1015
#define IDC_DECIMAL_PLACES      1016

// Clothing sizes, sales tax and VAT rates, care labels (template 105)
#define IDS_SIZE_TABLE_FIRST    110  /* 110 to 116: the clothing size tables */
#define IDS_SIZE_TABLE_LAST     116
#define IDS_REGION_CANADA       280  /* 280 to 282: the sales tax regions */
#define IDS_REGION_USA          281
#define IDS_REGION_EUROPE       282
#define IDC_LIST_TOOL_CHOICE    1017 /* the table, region or group list */
#define IDC_LIST_TOOL_TABLE     1018 /* the list view below it */

#endif
