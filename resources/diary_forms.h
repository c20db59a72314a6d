// Resource ids of the diary forms: the contact, anniversary and memo
// editors and the contact import.
#pragma once

#define IDD_CONTACT_IMPORT              205

// The contact editor (104). The address controls and the save button keep
// the ids the company address routines write.
#define IDC_CONTACT_NAME                1001
#define IDC_CONTACT_FIRST_NAME          1002
#define IDC_CONTACT_COMPANY             1003
#define IDC_CONTACT_DEPARTMENT          1004
#define IDC_CONTACT_JOB_TITLE           1005
#define IDC_CONTACT_GROUP               1006
#define IDC_CONTACT_BUSINESS_PHONE      1007
#define IDC_CONTACT_MOBILE              1008
#define IDC_CONTACT_EMAIL               1009
#define IDC_CONTACT_POSTAL_CODE         1010
#define IDC_CONTACT_HOME_PHONE          1011
#define IDC_CONTACT_CITY                1012
#define IDC_CONTACT_STREET              1013
#define IDC_CONTACT_FAX                 1017
#define IDC_CONTACT_STATE               1024
#define IDC_CONTACT_NAME_LABEL          1030
#define IDC_CONTACT_FIRST_NAME_LABEL    1031
#define IDC_CONTACT_COMPANY_LABEL       1032
#define IDC_CONTACT_DEPARTMENT_LABEL    1033
#define IDC_CONTACT_JOB_TITLE_LABEL     1034
#define IDC_CONTACT_GROUP_LABEL         1035
#define IDC_CONTACT_POSTAL_CODE_LABEL   1036
#define IDC_CONTACT_STATE_LABEL         1037
#define IDC_CONTACT_CITY_LABEL          1038
#define IDC_CONTACT_STREET_LABEL        1039
#define IDC_CONTACT_BUSINESS_LABEL      1040
#define IDC_CONTACT_FAX_LABEL           1041
#define IDC_CONTACT_MOBILE_LABEL        1042
#define IDC_CONTACT_HOME_LABEL          1043
#define IDC_CONTACT_EMAIL_LABEL         1044

// The anniversary editor (203).
#define IDC_ANNIVERSARY_TITLE           1401
#define IDC_ANNIVERSARY_KIND            1402
#define IDC_ANNIVERSARY_MONTH           1403
#define IDC_ANNIVERSARY_DAY             1404
#define IDC_ANNIVERSARY_LUNAR           1405
#define IDC_ANNIVERSARY_YEAR_KNOWN      1406
#define IDC_ANNIVERSARY_YEAR            1407
#define IDC_ANNIVERSARY_TIME            1408
#define IDC_ANNIVERSARY_REMINDER        1409
#define IDC_ANNIVERSARY_REMINDER_CHOICE 1410
#define IDC_ANNIVERSARY_PERSON          1411
#define IDC_ANNIVERSARY_NOTE            1412
#define IDC_ANNIVERSARY_TITLE_LABEL     1420
#define IDC_ANNIVERSARY_KIND_LABEL      1421
#define IDC_ANNIVERSARY_DATE_LABEL      1422
#define IDC_ANNIVERSARY_MONTH_LABEL     1423
#define IDC_ANNIVERSARY_DAY_LABEL       1424
#define IDC_ANNIVERSARY_TIME_LABEL      1425
#define IDC_ANNIVERSARY_REMINDER_LABEL  1426
#define IDC_ANNIVERSARY_PERSON_LABEL    1427
#define IDC_ANNIVERSARY_NOTE_LABEL      1428

// The memo editor (352).
#define IDC_MEMO_TITLE                  1451
#define IDC_MEMO_DATE                   1452
#define IDC_MEMO_CATEGORY               1453
#define IDC_MEMO_FOLDER                 1454
#define IDC_MEMO_TYPING                 1455
#define IDC_MEMO_INK                    1456
#define IDC_MEMO_TITLE_LABEL            1460
#define IDC_MEMO_DATE_LABEL             1461
#define IDC_MEMO_CATEGORY_LABEL         1462
#define IDC_MEMO_FOLDER_LABEL           1463
// The memo body's Rich Ink control.
#define IDC_MEMO_BODY                   1464

// The contact import (205).
#define IDC_IMPORT_LIST                 1481
#define IDC_IMPORT_RUN                  1482
#define IDC_IMPORT_LABEL                1483
