// Resource ids of the preferences sheet, its four pages and its two pickers.
// The pages reuse numbers among themselves, so each id names its dialog.
#pragma once

#define IDD_DIARY_PREFS                 351
#define IDD_TODAY_PREFS                 225
#define IDD_TODAY_EXTRAS                388
#define IDD_TODAY_COLORS                309
#define IDD_COLOR_PICKER                308
#define IDD_PROGRAM_PICKER              391
// Three 16 x 15 images on green: open folder, closed folder, program.
#define IDB_PROGRAM_TREE                390

// The owner-drawn OK and Cancel of the diary, Today and extras pages.
#define IDC_PAGE_OK                     1093
#define IDC_PAGE_CANCEL                 1094

// Dialog 351 "다이어리환경".
#define IDC_DIARY_GROUP                 1098
#define IDC_DIARY_KEYPAD_LABEL          1099
#define IDC_DIARY_KEYPAD                1100
#define IDC_DIARY_WEEK_START_LABEL      1101
#define IDC_DIARY_WEEK_START            1102
#define IDC_DIARY_COLUMNS_LABEL         1109
#define IDC_DIARY_COLUMNS               1110
#define IDC_DIARY_NAME_PARTS            1234
#define IDC_DIARY_MEMO_SOURCE_LABEL     1111
#define IDC_DIARY_MEMO_SOURCE           1112
#define IDC_DIARY_LOADER_LABEL          1113
#define IDC_DIARY_LOADER                1114

// Dialog 225 "투데이환경".
#define IDC_TODAY_GROUP                 1095
#define IDC_TODAY_SPAN_LABEL            1103
#define IDC_TODAY_SPAN                  1104
#define IDC_TODAY_LINES_LABEL           1105
#define IDC_TODAY_LINES                 1106
#define IDC_TODAY_DATE_STYLE_LABEL      1109
#define IDC_TODAY_DATE_STYLE            1110
#define IDC_TODAY_DATE_BOLD             1111
#define IDC_TODAY_SHOW_CLOCK            1115
#define IDC_TODAY_ONLY_BUSY_DAYS        1107
#define IDC_TODAY_EXTRA_INFO            1108
#define IDC_TODAY_EXTRA_TIME            1182
#define IDC_TODAY_EXTRA_DDAY            1183
#define IDC_TODAY_UNDERLINE             1096
#define IDC_TODAY_DAY_DIVIDER           1097
#define IDC_TODAY_SHOW_WEEKDAY          1098
#define IDC_TODAY_SHOW_MARKS            1099
#define IDC_TODAY_SHOW_PAST             1113
#define IDC_TODAY_SHOW_OVERDUE          1112
#define IDC_TODAY_SHOW_COMPLETED        1114
#define IDC_TODAY_DOTTED_LINES          1116

// Dialog 388 "투데이기타".
#define IDC_EXTRAS_GROUP                1250
#define IDC_EXTRAS_SHOW_WEATHER         1257
#define IDC_EXTRAS_WEATHER_SIZE         1262
#define IDC_EXTRAS_WEATHER_REGION       1263
#define IDC_EXTRAS_SHOW_STATUS          1248
#define IDC_EXTRAS_STATUS_DIVIDER       1255
#define IDC_EXTRAS_SHOW_SHORTCUTS       1249
#define IDC_EXTRAS_SHORTCUT_SIZE        1264
#define IDC_EXTRAS_SHORTCUT_DIVIDER     1256
#define IDC_EXTRAS_ADD_GROUP            1251
#define IDC_EXTRAS_CANDIDATES           1253
#define IDC_EXTRAS_ADD                  1252
#define IDC_EXTRAS_ADD_CUSTOM           1254
#define IDC_EXTRAS_MOVE_LEFT            1259
#define IDC_EXTRAS_MOVE_RIGHT           1260
#define IDC_EXTRAS_DELETE               1261

// Dialog 309 "투데이색상": the swatches are the even ids 1188-1208, each
// with its label one below.
#define IDC_COLORS_GROUP                1184
#define IDC_COLORS_OK                   1185
#define IDC_COLORS_CANCEL               1186
#define IDC_COLORS_SCHEDULE_LABEL       1187
#define IDC_COLORS_SCHEDULE             1188
#define IDC_COLORS_ANNIVERSARY_LABEL    1189
#define IDC_COLORS_ANNIVERSARY          1190
#define IDC_COLORS_HOLIDAY_LABEL        1191
#define IDC_COLORS_HOLIDAY              1192
#define IDC_COLORS_HEADER_LABEL         1193
#define IDC_COLORS_HEADER               1194
#define IDC_COLORS_DATE_WEEKDAY_LABEL   1195
#define IDC_COLORS_DATE_WEEKDAY         1196
#define IDC_COLORS_DATE_SATURDAY_LABEL  1197
#define IDC_COLORS_DATE_SATURDAY        1198
#define IDC_COLORS_DATE_SUNDAY_LABEL    1199
#define IDC_COLORS_DATE_SUNDAY          1200
#define IDC_COLORS_DATE_HOLIDAY_LABEL   1201
#define IDC_COLORS_DATE_HOLIDAY         1202
#define IDC_COLORS_NAME_WEEKDAY_LABEL   1203
#define IDC_COLORS_NAME_WEEKDAY         1204
#define IDC_COLORS_NAME_SATURDAY_LABEL  1205
#define IDC_COLORS_NAME_SATURDAY        1206
#define IDC_COLORS_NAME_SUNDAY_LABEL    1207
#define IDC_COLORS_NAME_SUNDAY          1208
#define IDC_COLORS_CONTENT_HEADING      1209
#define IDC_COLORS_DATE_HEADING         1210
#define IDC_COLORS_NAME_HEADING         1211
#define IDC_COLORS_RESET                1212

// Dialog 308 "색상 선택": 48 swatches, id = first + 8 x row + column.
#define IDC_PICKER_FIRST_SWATCH         1213
#define IDC_PICKER_LAST_SWATCH          1260

// Dialog 391 "바로가기 사용자 지정".
#define IDC_PROGRAM_TREE                1260
