/* Identifiers of the installer's embedded resources, dialog templates and the
   controls on them. Read by windres and by C++ alike, so plain #defines only. */
#ifndef QEL_RESOURCE_IDS_H
#define QEL_RESOURCE_IDS_H

/* Icons and the string table. */
#define IDI_INSTALLER   128 /* install mode */
#define IDI_UNINSTALLER 140 /* uninstall modes: the shield */
#define IDS_INSTALLER   128

/* Images: type "PNG" unless noted. */
#define IDR_PNG_LOGO          130 /* protection product's logo, 239x34 */
#define IDR_PNG_OK_FACE       131 /* blue button face, 97x33 */
#define IDR_PNG_CANCEL_FACE   132 /* white-grey button face, 97x33 */
#define IDR_PNG_CHECK         134 /* green check mark, 14x14 */
#define IDR_PNG_CROSS         135 /* red cross, 14x14 */
#define IDR_GIF_PROCESS       136 /* type "GIF": progress animation, 512x512 */
#define IDR_PNG_SHIELD        137 /* shield, 164x164 */
#define IDR_PNG_BANNER        138 /* protection banner, 160x45 */
#define IDR_PNG_ARCHIVER_LOGO 139 /* archiver's logo, 192x45 */

/* Text resources. */
#define IDR_THEME     133 /* type "THEME": the default theme */
#define IDR_LANGUAGES 209 /* type "LST": the language list */
#define IDR_TS_EN_GB  210 /* type "TS"; the others' ids are in languages.lst */
#define IDR_TS_PT_BR  211 /* type "TS" */

/* Dialog templates. */
#define IDD_MAIN                 129
#define IDD_START_VIEW           201
#define IDD_PROCESS_VIEW         202
#define IDD_FINISH_VIEW          203
#define IDD_ERROR_VIEW           204
#define IDD_UNINSTALL_VIEW       205
#define IDD_UNINSTALLED_VIEW     206
#define IDD_CANCEL_VIEW          207
#define IDD_ABANDON_VIEW         208
#define IDD_UNINSTALL_STEP1_VIEW 209
#define IDD_UNINSTALL_STEP2_VIEW 210
#define IDD_UNINSTALL_STEP3_VIEW 211

/* Controls. The confirming and cancelling buttons are the system's IDOK (1) and
   IDCANCEL (2), so Enter and Escape reach them. One id may play different roles
   on different pages (1028 is a radio button on the start page and the progress
   bar on the process page); the names give the roles. */
#define IDC_OK_BUTTON               1
#define IDC_CANCEL_BUTTON           2
#define IDC_LOGO                    1000 /* protection product's logo */
#define IDC_HEADER                  1001
#define IDC_BULLET_LEFT1            1002 /* start page check marks, left column */
#define IDC_BULLET_LEFT2            1003
#define IDC_BULLET_RIGHT1           1004 /* ... right column */
#define IDC_BULLET_LEFT3            1005
#define IDC_BULLET_RIGHT2           1006
#define IDC_BULLET_RIGHT3           1007
#define IDC_AGREE_TEXT              1008 /* "By clicking Install you agree to the" */
#define IDC_PROTECTION_LICENCE_LINK 1009
#define IDC_AND_TEXT                1011
#define IDC_REBOOT_TEXT             1012
#define IDC_ANIMATION               1013
#define IDC_SHIELD                  1014
#define IDC_TEXT1                   1017 /* body texts */
#define IDC_TEXT2                   1018
#define IDC_TEXT3                   1019
#define IDC_TEXT4                   1020
#define IDC_TEXT5                   1021
#define IDC_TEXT6                   1022
#define IDC_TEXT7                   1023
#define IDC_ARCHIVER_LOGO           1024
#define IDC_ARCHIVER_LICENCE_LINK   1025
#define IDC_AGREEMENT_LINK          1026
#define IDC_BOTH_RADIO              1027 /* start page: install both products */
#define IDC_ARCHIVER_ONLY_RADIO     1028 /* start page: install the archiver alone */
#define IDC_PROGRESS                1028 /* process page */
#define IDC_STATUS                  1029 /* process page */
#define IDC_WHY_LINK                1030
#define IDC_TEXT8                   1031
#define IDC_KEEP_RADIO              1032 /* uninstall steps: keep the product */
#define IDC_REMOVE_RADIO            1033 /* uninstall steps: go on removing it */
#define IDC_TEXT9                   1034

#endif
