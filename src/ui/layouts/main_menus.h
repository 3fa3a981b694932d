#pragma once

namespace kalamo {

// Ids of the items of the main window's pop-up menus: the path of captions joined with "/".
// They are GBK bytes defined in main_menus.cpp, the only place that spells them; a header
// must never hold the literals, since the Qt layer compiles as UTF-8. The three menus
// themselves (kMenuStart, kMenuVoice, kMenuWriting) are declared in window_layout.h.

// "开始"
extern const char kMenuOpenFile[];
extern const char kMenuNewWindow[];
extern const char kMenuNew[];
extern const char kMenuNewTemporary[];
extern const char kMenuNewArticle[];
extern const char kMenuNewDiary[];
extern const char kMenuNewSchedule[];
extern const char kMenuNewShoppingList[];
extern const char kMenuEdit[];
extern const char kMenuInsert[];
extern const char kMenuInsertSchedule[];
extern const char kMenuInsertTime[];
extern const char kMenuInsertDivider[];
extern const char kMenuFind[];
extern const char kMenuReplace[];
extern const char kMenuLargeFont[];
extern const char kMenuSimplifiedTraditional[];
extern const char kMenuPhraseKeys[];
extern const char kMenuCalculate[];
extern const char kMenuStatistics[];
extern const char kMenuAppCentre[];
extern const char kMenuAppCentreHome[];
extern const char kMenuRandomName[];
extern const char kMenuRecoverDrafts[];
extern const char kMenuTranslate[];
extern const char kMenuBackground[];
extern const char kMenuPrint[];
extern const char kMenuTransfer[];
extern const char kMenuClearEditing[];
extern const char kMenuSettings[];
extern const char kMenuExit[];

// "语音服务"
extern const char kMenuStartRecording[];
extern const char kMenuOpenRecording[];

// "开始书写"
extern const char kMenuWriteTemporary[];
extern const char kMenuWriteArticle[];
extern const char kMenuWriteDiary[];
extern const char kMenuWriteSchedule[];
extern const char kMenuWriteShoppingList[];
extern const char kMenuWriteRecoverDrafts[];

}  // namespace kalamo
