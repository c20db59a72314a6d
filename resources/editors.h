// Resource ids of the item editors: the schedule and task editors, the
// person-in-charge picker and the recurrence wizard's pages.
#pragma once

#define IDD_ASSIGNEE_PICKER           234
#define IDD_RULE_RANGE                239
#define IDD_RULE_DAILY                240
#define IDD_RULE_WEEKLY               241
#define IDD_RULE_MONTHLY              242
#define IDD_RULE_YEARLY               243
// The cancel face of the dialogs' bitmap buttons.
#define IDB_EDITOR_CANCEL             123

// Buttons and pictures both editors share.
#define IDC_EDITOR_OK                 1025
#define IDC_EDITOR_CONTINUE           1027
#define IDC_EDITOR_EXTEND             1028
#define IDC_EDITOR_RIBBON             1244
#define IDC_EDITOR_PEN                1245

// The schedule editor (159).
#define IDC_SCHEDULE_START_DATE       1037
#define IDC_SCHEDULE_START_TIME       1038
#define IDC_SCHEDULE_NOTE             1040
#define IDC_SCHEDULE_RECURRENCE       1041
#define IDC_SCHEDULE_REMINDER         1042
#define IDC_SCHEDULE_REMINDER_AMOUNT  1043
#define IDC_SCHEDULE_DATE_LABEL       1044
#define IDC_SCHEDULE_TITLE_LABEL      1045
#define IDC_SCHEDULE_NOTE_LABEL       1046
#define IDC_SCHEDULE_RECURRENCE_LABEL 1047
#define IDC_SCHEDULE_REMINDER_LABEL   1048
#define IDC_SCHEDULE_TIMES_ON         1050
#define IDC_SCHEDULE_PLACE_LABEL      1051
#define IDC_SCHEDULE_PERIOD_ON        1052
#define IDC_SCHEDULE_END_DATE         1053
#define IDC_SCHEDULE_END_TIME         1054
#define IDC_SCHEDULE_REMINDER_UNIT    1055
#define IDC_SCHEDULE_PERSON_LABEL     1056
#define IDC_SCHEDULE_PERSON           1057
#define IDC_SCHEDULE_LUNAR            1080
#define IDC_SCHEDULE_TITLE            1265
#define IDC_SCHEDULE_PLACE            1266

// The task editor (320).
#define IDC_TASK_PRIORITY_LABEL       1049
#define IDC_TASK_STATUS_LABEL         1050
#define IDC_TASK_START_DATE           1214
#define IDC_TASK_START_SET            1215
#define IDC_TASK_DUE_DATE             1216
#define IDC_TASK_DUE_SET              1217
#define IDC_TASK_TITLE                1218
#define IDC_TASK_NOTE                 1219
#define IDC_TASK_RECURRENCE           1220
#define IDC_TASK_PERSON               1221
#define IDC_TASK_REMINDER_DATE        1222
#define IDC_TASK_REMINDER_TIME        1223
#define IDC_TASK_PRIORITY             1224
#define IDC_TASK_STATUS               1225
#define IDC_TASK_DATE_LABEL           1226
#define IDC_TASK_TITLE_LABEL          1227
#define IDC_TASK_NOTE_LABEL           1228
#define IDC_TASK_RECURRENCE_LABEL     1229
#define IDC_TASK_PERSON_LABEL         1230
#define IDC_TASK_REMINDER_LABEL       1231
#define IDC_TASK_REMINDER             1232

// The person-in-charge picker (234).
#define IDC_PICKER_SEARCH_TEXT        1107
#define IDC_PICKER_SEARCH             1108
#define IDC_PICKER_LABEL              1109
#define IDC_PICKER_LIST               1111
#define IDC_PICKER_CHOOSE             1112
#define IDC_PICKER_CLEAR              1113
#define IDC_PICKER_CANCEL             1114

// The recurrence wizard's pages (239-243).
#define IDC_RULE_TAB_DAILY            1301
#define IDC_RULE_TAB_WEEKLY           1302
#define IDC_RULE_TAB_MONTHLY          1303
#define IDC_RULE_TAB_YEARLY           1304
#define IDC_RULE_BACK                 1305
#define IDC_RULE_NEXT                 1306
#define IDC_RULE_FINISH               1307
#define IDC_RULE_DAILY_EVERY_N        1310
#define IDC_RULE_DAILY_N              1311
#define IDC_RULE_DAILY_WEEKDAYS       1312
#define IDC_RULE_WEEKLY_N             1320
#define IDC_RULE_WEEKDAY_FIRST        1321  // seven toggles, Sunday first
#define IDC_RULE_MONTHLY_BY_DATE      1330
#define IDC_RULE_MONTHLY_N            1331
#define IDC_RULE_MONTHLY_DAY          1332
#define IDC_RULE_MONTHLY_BY_NTH       1333
#define IDC_RULE_MONTHLY_NTH_N        1334
#define IDC_RULE_MONTHLY_INSTANCE     1335
#define IDC_RULE_MONTHLY_DAY_KIND     1336
#define IDC_RULE_YEARLY_BY_DATE       1340
#define IDC_RULE_YEARLY_MONTH         1341
#define IDC_RULE_YEARLY_DAY           1342
#define IDC_RULE_YEARLY_BY_NTH        1343
#define IDC_RULE_YEARLY_NTH_MONTH     1344
#define IDC_RULE_YEARLY_INSTANCE      1345
#define IDC_RULE_YEARLY_DAY_KIND      1346
#define IDC_RULE_RANGE_START          1350
#define IDC_RULE_RANGE_NO_END         1351
#define IDC_RULE_RANGE_END_DATE       1352
#define IDC_RULE_RANGE_END            1353
#define IDC_RULE_RANGE_COUNT          1354
#define IDC_RULE_RANGE_COUNT_TEXT     1355
