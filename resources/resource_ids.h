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
#define IDS_ZOOM_FIRST          120  /* 120 to 125: the sizes of the Options dialog, added after the handheld */
#define IDS_ZOOM_LAST           125
/* 400 to 499, added after the handheld: what a screen reader reads for the
   controls with no label or a shared one (400 on), and for each tool (450 on) */
#define IDS_NAME_FROM           400
#define IDS_NAME_FROM_UNIT      401
#define IDS_NAME_TO             402
#define IDS_NAME_TO_UNIT        403
#define IDS_NAME_BACKSPACE      404
#define IDS_NAME_CLEAR          405
#define IDS_NAME_DECIMAL_POINT  406
#define IDS_NAME_MINUS          407
#define IDS_NAME_AMOUNT         408
#define IDS_NAME_RATE           409  /* after a currency code */
#define IDS_NAME_CONVERTED      410  /* after a currency code */
#define IDS_NAME_FORMULA        411
#define IDS_NAME_ANGLE_UNIT     412
#define IDS_NAME_SIZE_TABLE     413
#define IDS_NAME_SIZES          414
#define IDS_NAME_REGION         415
#define IDS_NAME_TAX_RATES      416
#define IDS_NAME_LABEL_GROUP    417
#define IDS_NAME_CARE_LABELS    418
#define IDS_NAME_DIALING_CODES  419
#define IDS_NAME_CITY_CODES     420
#define IDS_NAME_CURRENCIES     421
#define IDS_NAME_FROM_DATE      422
#define IDS_NAME_TO_DATE        423
#define IDS_NAME_JUMP_TO_LETTER 424
#define IDS_NAME_DECIMAL_PLACES 425
#define IDS_NAME_SIZE           426
#define IDS_NAME_PRICE_1        427  /* 427 to 432: the price comparison's fields in template order */
#define IDS_NAME_NUMBER         433  /* after a base's name */
#define IDS_TOOL_NUMBER_BASE    450
#define IDS_TOOL_PRICES         451
#define IDS_TOOL_CURRENCY       452
#define IDS_TOOL_EURO           453
#define IDS_TOOL_CURRENCY_DATA  454
#define IDS_TOOL_CURRENCY_LIST  455
#define IDS_TOOL_ELECTRICAL     456
#define IDS_TOOL_CIRCLE         457
#define IDS_TOOL_AREA_VOLUME    458
#define IDS_TOOL_PERMUTATION    459
#define IDS_TOOL_DAYS_BETWEEN   460
#define IDS_TOOL_CLOTHING_SIZES 461
#define IDS_TOOL_SALES_TAX      462
#define IDS_TOOL_CARE_LABELS    463
#define IDS_TOOL_DIALING_CODES  464
#define IDS_TOOL_CITY_CODES     465
#define IDS_TOOL_OPTIONS        466
#define IDS_TOOL_ABOUT          467
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
#define ID_SWAP_UNITS           40062  /* added after the handheld: From and To exchanged */
#define ID_ZOOM_IN              40063  /* added after the handheld: Ctrl+Plus, Ctrl+Minus, Ctrl+0 */
#define ID_ZOOM_OUT             40064
#define ID_ZOOM_RESET           40065
#define ID_COPY_OUTPUT_FIRST    40035 /* 40035 to 40038: copy output 1 to 4, in the Edit menus */
#define ID_UPDATE_CURRENCY_DATA 40052
#define ID_ABOUT_CURRENCY_DATA  40053
#define ID_MODIFY_RATES         40060
#define ID_CATEGORY_FIRST       43009  /* 43009 to 43022: 43009 + CategoryId */
#define ID_CATEGORY_LAST        43022

// Main window controls
#define IDC_INPUT               102
#define IDC_FROM_LIST           103
#define IDC_RESULT              104
#define IDC_TO_LIST             105
#define IDC_FROM_LABEL          1091 /* added after the handheld: "From:" and "To:" as controls */
#define IDC_TO_LABEL            1092

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
#define IDC_ZOOM                1090 /* added after the handheld: the Size list */

// Money converters (template 106) and the currency data window (template 109)
#define IDS_NO_RATE_FILE        21
#define IDS_DOWNLOAD_STARTING   22   /* 22 to 24: the rate file update */
#define IDS_DOWNLOAD_DONE       23
#define IDS_DOWNLOAD_FAILED     24
/* 25 on, added after the handheld: the update's causes, the first open's
   question, an unreadable rate file, and what the feed reader found */
#define IDS_CAUSE_NO_CONNECTION 25
#define IDS_CAUSE_HTTP_STATUS   26   /* %u: the status code */
#define IDS_CAUSE_TIMED_OUT     27
#define IDS_CAUSE_TOO_LARGE     28
#define IDS_CAUSE_NOT_A_FEED    29   /* %s: one of the feed problems */
#define IDS_CAUSE_NOT_REPLACED  30
#define IDS_CAUSE_BAD_ADDRESS   31
#define IDS_FETCH_RATES_NOW     32
#define IDS_RATE_FILE_UNREADABLE 33  /* %s: the file */
#define IDS_RATE_FILE_IN_USE    34
#define IDS_RATE_FILE_DENIED    35
#define IDS_RATE_FILE_NOT_RATES 36
#define IDS_FEED_PROBLEM_FIRST  501  /* 501 to 514: the feed problems in their order */
#define IDC_SOURCE_CURRENCY     1020
#define IDC_AMOUNT              1021
#define IDC_FROM_CURRENCY_LABEL 1051
#define IDC_TO_CURRENCIES_LABEL 1052
#define IDC_RATES_DATE          1053
#define IDC_TARGET_CURRENCY_1   2100 /* 2100 to 2103: the rows' currency buttons */
#define IDC_TARGET_CURRENCY_4   2103
#define IDC_CONVERTED_1         2110 /* 2110 to 2113: the rows' converted amounts */
#define IDC_RATE_1              2120 /* 2120 to 2123: the rows' rates */

// Code lists (dialing codes, city area codes, currency picker)
#define IDC_CODE_LIST           1018

// Calculators and days between dates: strings, controls
#define IDS_CIRCLE_FORMULA_FIRST      200   /* 200 to 214: the circle formulas */
#define IDS_CIRCLE_FORMULA_LAST       214
#define IDS_DEGREE                    220
#define IDS_RADIAN                    221
#define IDS_ELECTRICAL_FORMULA_FIRST  250   /* 250 to 261: the electrical formulas */
#define IDS_ELECTRICAL_FORMULA_LAST   261
#define IDS_AREA_VOLUME_FORMULA_FIRST 300   /* 300 to 305: the area and volume formulas */
#define IDS_AREA_VOLUME_FORMULA_LAST  305
#define IDS_PERMUTATION               330
#define IDS_COMBINATION               331
#define IDS_FACTORIAL                 332

#define IDC_CALC_BUTTON               1048  /* "Calculate" */
#define IDC_CALC_FORMULA              1058  /* the formula list */
#define IDC_CALC_RESULT               1059
#define IDC_CIRCLE_ANGLE_UNIT         1019
#define IDC_CIRCLE_PI                 1056
#define IDC_CIRCLE_RADIUS             1057
#define IDC_CIRCLE_ANGLE              1060
#define IDC_CIRCLE_HEIGHT             1061
#define IDC_ELEC_WATTS                1063
#define IDC_ELEC_VOLTS                1064
#define IDC_ELEC_OHMS                 1065
#define IDC_ELEC_AMPERES              1066
#define IDC_AREA_BASE                 1068
#define IDC_AREA_WIDTH                1069
#define IDC_AREA_HEIGHT               1061
#define IDC_PERM_SET_SIZE             1073
#define IDC_PERM_ITEMS_TAKEN          1074
#define IDC_DAYS_FROM                 102
#define IDC_DAYS_TO                   104
#define IDC_DAYS_COUNT                1055

// Number base converter
#define IDS_DECIMAL             5    /* 5 to 8: the bases' names */
#define IDS_HEXADECIMAL         6
#define IDS_OCTAL               7
#define IDS_BINARY              8
#define IDC_BASE_DECIMAL        1001 /* 1001 to 1004: the input base radios */
#define IDC_BASE_HEXADECIMAL    1002
#define IDC_BASE_OCTAL          1003
#define IDC_BASE_BINARY         1004
#define IDC_BASE_INPUT          102
#define IDC_BASE_LABEL_1        1006 /* 1006, 1008, 1010: the outputs' labels */
#define IDC_BASE_LABEL_2        1008
#define IDC_BASE_LABEL_3        1010
#define IDC_BASE_OUTPUT_1       3030 /* 3030 to 3032: the three outputs */
#define IDC_BASE_OUTPUT_2       3031
#define IDC_BASE_OUTPUT_3       3032

// Price comparison
#define IDC_PRICE_1             1042
#define IDC_QUANTITY_1          1043
#define IDC_UNIT_PRICE_1        1044
#define IDC_PRICE_2             1045
#define IDC_QUANTITY_2          1046
#define IDC_UNIT_PRICE_2        1047
#define IDC_CLEAR_ALL           1049

// Clothing sizes, sales tax and VAT rates, care labels (template 105)
#define IDS_SIZE_TABLE_FIRST    110  /* 110 to 116: the clothing size tables */
#define IDS_SIZE_TABLE_LAST     116
#define IDS_REGION_CANADA       280  /* 280 to 282: the sales tax regions */
#define IDS_REGION_USA          281
#define IDS_REGION_EUROPE       282
#define IDC_LIST_TOOL_CHOICE    1017 /* the table, region or group list */
#define IDC_LIST_TOOL_TABLE     1018 /* the list view below it */

#endif
