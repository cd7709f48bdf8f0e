#pragma once
// Resource ids of the framework tests' resource script.

#define IDR_TESTDOC 3        // menu, document type string
#define IDR_TESTFRAME 2      // main menu
#define IDD_EXCHANGE 200     // dialog with an edit, a check box and radios
#define IDD_PAGE_NUMBER 201  // property page: a number from 5 to 100
#define IDD_PAGE_NAME 202    // property page: a name of at most 8 characters
#define IDD_BIG_FORM 203     // a form larger than its window
#define IDS_FILE_GONE 300    // "The file %1 is gone (%2)."

#define IDC_NUMBER 1001
#define IDC_FLAG 1002
#define IDC_NAME 1003
#define IDC_RADIO_A 1004
#define IDC_RADIO_B 1005
#define IDC_RADIO_C 1006
#define IDC_FAR_EDIT 1007

#define ID_TEST_VIEW_CMD 40001
#define ID_TEST_DOC_CMD 40002
#define ID_TEST_CHILD_CMD 40003
#define ID_TEST_MAIN_CMD 40004
#define ID_TEST_APP_CMD 40005
#define ID_TEST_SHARED_CMD 40006
#define ID_TEST_CHECK_CMD 40007
