// Resource identifiers shared by qitong.rc and the code.
#pragma once
#define IDI_QITONG 101
#define IDB_BANNER 102
