// The program's persistent settings: one process-wide record with a member
// per key of the settings file "Kestrel.cfg", in the file's order.
//
// The members hold meaningful values only once the settings have been loaded
// (SettingsStore, core/settings/settings_store.h); until then every number is
// 0 and every text empty. Texts are UTF-16; each has a capacity in characters
// that includes a terminator, so a text member holds at most capacity - 1
// characters when it comes from the file.
#pragma once

#include "platform/types/types.h"

#include <QString>

// Capacities of the text members, terminator included.
constexpr int kSettingsTextCapacity = 520;  // folders and name prefixes
constexpr int kSettingsSlotCapacity = 521;  // ShortCutFolder1..5, WorkFolder01..10
constexpr int kAddCharaCapacity = 50;       // Step5_AddChara
constexpr int kCcFilenameCapacity = 62;     // Step7_cc_Filename

struct AppSettingsRecord {
    // [-Directory-]
    QString LastAccessDir;
    QString TreeLastDir;

    // [-ImageOption-]
    UINT OptionTabNo{};
    UINT BMP_dpi{};
    int ForceSave_dpi{};
    int MinSaveSize{};
    int MaxSaveSizeWidth{};
    int MaxSaveSizeHeight{};
    BYTE ClipIncVolume{};
    int ClipVerSize{};
    int ClipHorSize{};
    int IsLinkSize{};
    COLORREF HighlightColor{};
    UINT BltRopMode{};
    RECT PrevSaveRect{};
    int CaptureKestrel{};
    int FixSaveArea{};
    UINT ZoomStep{};
    UINT ClipZoomMag{};
    int SmoothClip{};
    BYTE BlackWhiteLevel{};
    WORD MaxHBitmapNumber{};
    WORD KeyPushWait{};
    WORD MaxAllocMemMB{};
    int ImageComplement{};
    int KeepRatioSize{};
    int MakeFilenameAuto{};
    int MakeFilenameOnlyCapture{};
    int MakeFilenameHowto{};
    int MakeFilenameDigit{};
    int MakeFilenameExcludeSameFile{};
    QString MakeFilenameFrontStr;

    // [-OptionBasic-]
    WORD WaitForCapture{};
    int CaptureMouseCursor{};
    int CaptureListMax{};
    BYTE DefSaveFormat{};
    int ShowZoomDlg{};
    int CenterZoom{};
    int SmoothMove{};
    int ConnectTreeFile{};
    int LevelPixelGrid{};
    int MaxZoomMag{};
    int HitZoomMag{};
    int ViewEvenScale{};
    BYTE HighlightZoomAreaClick{};
    BYTE HighlightZoomAreaWheel{};
    int HowToFirstMessage{};
    int HowToRangeClick{};
    int HowToRangeWheel{};
    int HowToClipSave{};

    // [-OptionBasic 2-]
    int IsClipWindowPos{};
    int ClipCloseOnSave{};
    int ClipCloseOnClip{};
    int UseContinueCapture{};
    BYTE ColorRadix{};
    int ClipWindowPos0X{};
    int ClipWindowPos0Y{};
    int ClipWindowPos1X{};
    int ClipWindowPos1Y{};
    int ClipWindowPos2X{};
    int ClipWindowPos2Y{};
    int ClipWindowPos3X{};
    int ClipWindowPos3Y{};
    int ClipWindowPos4X{};
    int ClipWindowPos4Y{};
    int ClipWindowPos5X{};
    int ClipWindowPos5Y{};
    int ClipWindowPos6X{};
    int ClipWindowPos6Y{};
    int ClipWindowPos7X{};
    int ClipWindowPos7Y{};
    int ClipWindowPos8X{};
    int ClipWindowPos8Y{};
    int ClipWindowPos9X{};
    int ClipWindowPos9Y{};
    int ClipWindowPos10X{};
    int ClipWindowPos10Y{};
    int ClipWindowPos11X{};
    int ClipWindowPos11Y{};

    // [-OptionColor-]
    int ShowPixelGrid{};
    int PixelGridType{};
    int ViewRangeCorr{};
    int ViewCenterMarker{};
    COLORREF GridColor{};
    COLORREF SelRangeColor{};
    COLORREF SelCenterMarkerColor{};
    COLORREF SelRangeCorrXYColor{};
    COLORREF SelRangeCorrSizeColor{};
    COLORREF SelRangeCorrXYColorBk{};
    COLORREF SelRangeCorrSizeColorBk{};

    // [-OptionScCap-]
    int ScrollWait{};
    BYTE AfterScrollBehave{};
    BYTE AmbiguousLeve{};
    BYTE ScrollRate{};
    int MatchLineNum{};
    BYTE DoScrollCapture{};

    // [-OptionMulti-]
    int Edit_DBL_Click{};
    int Edit_DBL_Click_Preview{};
    int Edit_Enter_Key{};
    int ThumCoarseView{};
    int PageChangeRange{};

    // [-JpegQuality-]
    int ShowQualityDlg{};
    BYTE JpegQuality{};

    // [-ContrastDlg-]
    int LinkRed{};
    int LinkGreen{};
    int LinkBlue{};
    int ContrastDlgPosX{};
    int ContrastDlgPosY{};

    // [-TreeFile-]
    UINT ExtFilterNo{};
    int TreeDlgPosX{};
    int TreeDlgPosY{};
    RECT rctTreeFolder_rect{};
    RECT rctTreeFile_rect{};
    RECT rctExtFilter_rect{};
    RECT rctExplore_rect{};

    // [-TreeFile2-]
    int TreeDlgPosX2{};
    int TreeDlgPosY2{};
    RECT rctTreeFolder2_rect{};
    int ShowDirectFolder{};
    int ShowTextAlign{};
    QString ShortCutFolder1;
    QString ShortCutFolder2;
    QString ShortCutFolder3;
    QString ShortCutFolder4;
    QString ShortCutFolder5;

    // [-WorkFolder-]
    QString WorkFolder01;
    QString WorkFolder02;
    QString WorkFolder03;
    QString WorkFolder04;
    QString WorkFolder05;
    QString WorkFolder06;
    QString WorkFolder07;
    QString WorkFolder08;
    QString WorkFolder09;
    QString WorkFolder10;
    int FolderHistory{};
    int WorkFolderIndex{};

    // [-ClipHistory-]
    BYTE ClipHistory{};
    RECT ClipRect01_rect{};
    RECT ClipRect02_rect{};
    RECT ClipRect03_rect{};
    RECT ClipRect04_rect{};
    RECT ClipRect05_rect{};
    RECT ClipRect06_rect{};
    RECT ClipRect07_rect{};
    RECT ClipRect08_rect{};
    RECT ClipRect09_rect{};
    RECT ClipRect10_rect{};
    RECT ClipRect11_rect{};
    RECT ClipRect12_rect{};
    RECT ClipPrevRect{};
    int ClipHistoryProtect{};
    int ClipHistoryIndex{};

    // [-Print-]
    BYTE HowToPrint{};
    BYTE PaperUnit{};
    int MarginLeft{};
    int MarginRight{};
    int MarginTop{};
    int MarginBottom{};
    BYTE MarginSpinVolume{};
    int ViewPage{};
    BYTE ViewPagePos{};
    BYTE ViewFormat{};
    int DlgPrintOutLeft{};
    int DlgPrintOutRight{};
    int DlgPrintOutTop{};
    int DlgPrintOutBottom{};
    int ViewExPrnMenu{};
    int IndependMargin{};

    // [-Measure-]
    UINT PixelRange{};
    UINT VirtualRange{};
    UINT ScaleLineWidth{};
    UINT SpinAdd_Pixel{};
    UINT SpinAdd_Virtual{};
    COLORREF MeasureColor_1{};

    // [-Small Image-]
    QString Step4_SaveFolder;
    QString Step5_AddChara;
    int HowStep1_AllImage{};
    int Step2_HowRatio{};
    WORD Step2_Ratio{};
    WORD Step2_Width{};
    WORD Step2_Height{};
    BYTE Step3_Forma{};
    BYTE Step3_Quality{};
    int Step3_Interpolation{};
    int HowStep4_SameFolder{};
    int HowStep4_MoveFolder{};
    int HowStep5_Overwrite{};
    int HowStep5a_FixChara{};
    int HowStep5b_AddFront{};
    int Step5_EmbedZero{};
    int Step5_OvereriteSameFile{};

    // [-ThumbnailMaskInfo-]
    WORD MaskExt{};
    int TMIDlgPos_x{};
    int TMIDlgPos_y{};
    int IsTMIExtMode{};
    BYTE ExtensionMask{};
    int IncludeMaskFile{};

    // [-Continue Capture-]
    QString Step6_cc_SaveFolder;
    RECT Step1_cc_CapRect{};
    QString Step7_cc_Filename;
    BYTE Step1_cc_Target{};
    int Step1_cc_MouseCursor{};
    int Step2_FirstWait{};
    WORD Step3_cc_CapNum{};
    WORD Step4_cc_CapInterval{};
    int Step4_ForceCapture{};
    BYTE Step5_cc_SaveFormat{};
    BYTE Step5_cc_Quality{};
    int Step6_cc_Goto_MultiMode{};
    int Step7_cc_OverWrite{};
    int Step7_cc_AddFront{};
    BYTE Step8_WndStatus{};
    BYTE Step8_ShowPos{};
    WORD CC_SaveWait_ms{};
};

extern AppSettingsRecord AppSettings;

// Set by every load although no key stores them: 2 selects ranges with two
// clicks; the zoom step is ZoomStep / g_nZoomStepBase.
extern int g_nRangeSelectMethod;
extern int g_nZoomStepBase;

// The numbered members as arrays, index 0 first (ClipRect01_rect, WorkFolder01,
// ShortCutFolder1, ClipWindowPos0X / ClipWindowPos0Y).
inline constexpr RECT AppSettingsRecord::*kClipRectMembers[12] = {&AppSettingsRecord::ClipRect01_rect,
    &AppSettingsRecord::ClipRect02_rect, &AppSettingsRecord::ClipRect03_rect,
    &AppSettingsRecord::ClipRect04_rect, &AppSettingsRecord::ClipRect05_rect,
    &AppSettingsRecord::ClipRect06_rect, &AppSettingsRecord::ClipRect07_rect,
    &AppSettingsRecord::ClipRect08_rect, &AppSettingsRecord::ClipRect09_rect,
    &AppSettingsRecord::ClipRect10_rect, &AppSettingsRecord::ClipRect11_rect,
    &AppSettingsRecord::ClipRect12_rect};

inline constexpr QString AppSettingsRecord::*kWorkFolderMembers[10] = {&AppSettingsRecord::WorkFolder01,
    &AppSettingsRecord::WorkFolder02, &AppSettingsRecord::WorkFolder03, &AppSettingsRecord::WorkFolder04,
    &AppSettingsRecord::WorkFolder05, &AppSettingsRecord::WorkFolder06, &AppSettingsRecord::WorkFolder07,
    &AppSettingsRecord::WorkFolder08, &AppSettingsRecord::WorkFolder09, &AppSettingsRecord::WorkFolder10};

inline constexpr QString AppSettingsRecord::*kShortCutFolderMembers[5] = {&AppSettingsRecord::ShortCutFolder1,
    &AppSettingsRecord::ShortCutFolder2, &AppSettingsRecord::ShortCutFolder3,
    &AppSettingsRecord::ShortCutFolder4, &AppSettingsRecord::ShortCutFolder5};

inline constexpr int AppSettingsRecord::*kClipWindowPosXMembers[12] = {&AppSettingsRecord::ClipWindowPos0X,
    &AppSettingsRecord::ClipWindowPos1X, &AppSettingsRecord::ClipWindowPos2X,
    &AppSettingsRecord::ClipWindowPos3X, &AppSettingsRecord::ClipWindowPos4X,
    &AppSettingsRecord::ClipWindowPos5X, &AppSettingsRecord::ClipWindowPos6X,
    &AppSettingsRecord::ClipWindowPos7X, &AppSettingsRecord::ClipWindowPos8X,
    &AppSettingsRecord::ClipWindowPos9X, &AppSettingsRecord::ClipWindowPos10X,
    &AppSettingsRecord::ClipWindowPos11X};

inline constexpr int AppSettingsRecord::*kClipWindowPosYMembers[12] = {&AppSettingsRecord::ClipWindowPos0Y,
    &AppSettingsRecord::ClipWindowPos1Y, &AppSettingsRecord::ClipWindowPos2Y,
    &AppSettingsRecord::ClipWindowPos3Y, &AppSettingsRecord::ClipWindowPos4Y,
    &AppSettingsRecord::ClipWindowPos5Y, &AppSettingsRecord::ClipWindowPos6Y,
    &AppSettingsRecord::ClipWindowPos7Y, &AppSettingsRecord::ClipWindowPos8Y,
    &AppSettingsRecord::ClipWindowPos9Y, &AppSettingsRecord::ClipWindowPos10Y,
    &AppSettingsRecord::ClipWindowPos11Y};
