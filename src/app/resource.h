// Resource, control and command ids, shared by the code and nerolith.rc.
#pragma once

#define IDD_EXPRESSION_PAGE 101
#define IDD_MATRIX_PAGE 102
#define IDD_EQUATIONS_PAGE 103
#define IDI_NEROLITH 105
#define IDM_MAIN_MENU 106
#define IDA_KEYS 107
#define IDD_ABOUT 108
#define IDB_ABOUT_PICTURE 109

// Expression page
#define IDC_EXPRESSION_INPUT 1001
#define IDC_EXPRESSION_RESULT 1002
#define IDC_EXPRESSION_SOLVE 1004

// Matrix page
#define IDC_MATRIX_A 1006
#define IDC_MATRIX_B 1007
#define IDC_MATRIX_RESULT 1008
#define IDC_MATRIX_DETERMINANT 1009
#define IDC_MATRIX_SUM 1010
#define IDC_MATRIX_POWER 1011
#define IDC_MATRIX_INVERSE 1012
#define IDC_MATRIX_EXPONENT 1013
#define IDC_MATRIX_RANK 1014
#define IDC_MATRIX_DIFFERENCE 1015
#define IDC_MATRIX_BY_NUMBER 1016
#define IDC_MATRIX_PRODUCT 1017
#define IDC_MATRIX_TRANSPOSE 1018
#define IDC_MATRIX_FACTOR 1019
#define IDC_MATRIX_EXACT 1020

// Equations page
#define IDC_EQUATIONS_INPUT 1021
#define IDC_EQUATIONS_RESULT 1023
#define IDC_EQUATIONS_SOLVE 1024
// The method radio buttons, one for each method in kMethods' order
#define IDC_EQUATIONS_CRAMER 1025
#define IDC_EQUATIONS_GAUSS 1026
#define IDC_EQUATIONS_MATRIX_METHOD 1027

// Main window
#define IDC_PAGE_EXPRESSION 1029
#define IDC_PAGE_MATRIX 1030
#define IDC_PAGE_EQUATIONS 1031

// The progress bar of a long calculation
#define IDC_PROGRESS 1040

// About box
#define IDC_ABOUT_OK 1036
#define IDC_ABOUT_PICTURE 1037

// Menu commands
#define IDM_EXIT 40001
#define IDM_HELP 40002
#define IDM_OPEN 40003
#define IDM_SAVE_RESULT 40004
#define IDM_ABOUT 40007

// Keyboard commands
#define IDM_SOLVE 40010
#define IDM_SELECT_ALL 40011
#define IDM_STOP 40020

#define IDC_NONE -1
