// The document list: the tab strip and the editor as a view of one file of the playlist.
#include "Converter.h"

// Empty by design until the document list lands; creation calls them in their places.
void TFormCvt::TabControl1Change() {}
void TFormCvt::RebuildTabs() {}
void TFormCvt::RestorePlaylist() {}
void TFormCvt::ActionFileNewExecute() {}
void TFormCvt::ActionFileOpenExecute() {}
void TFormCvt::ActionFileSaveExecute() {}
void TFormCvt::ActionFileSaveAsExecute() {}
void TFormCvt::ActionFileCloseExecute() {}
void TFormCvt::ActionFileCloseAllExecute() {}
void TFormCvt::ActionFileMoveFirstExecute() {}
void TFormCvt::ActionFileMovePrevExecute() {}
void TFormCvt::ActionFileMoveNextExecute() {}
void TFormCvt::ActionFileMoveLastExecute() {}
void TFormCvt::ActionPrevExecute() {}
void TFormCvt::ActionNextExecute() {}
void TFormCvt::TabControl1MouseUp(QMouseEvent*) {}
