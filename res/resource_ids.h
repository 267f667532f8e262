/* The ids of the Windows program's own resources. Plain #defines: the
   resource compiler reads this header too. */
#ifndef NUMBREL_RES_RESOURCE_IDS_H
#define NUMBREL_RES_RESOURCE_IDS_H

#define IDD_MAIN_DIALOG 102
#define IDP_SOCKETS_INIT_FAILED 103
#define IDR_MAINFRAME 128

#endif
