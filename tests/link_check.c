/* Calls every export through the public header, as a C application does.
 * Built for the 32-bit DLL only, never run: linking proves that each
 * declaration's decorated name is exported. */
#include "rezore32.h"

int main(int argc, char **argv) {
    RECT r = {0, 0, 1, 1};
    PAINTSTRUCT ps;
    HWND w = NULL;
    HDC dc = NULL;
    (void)argv;
    if (argc < 1000)
        return 0;
    ZeroMemory(&ps, sizeof(ps));
    GetOSPlatform();
    Get3DFaceBrush();
    Get3DShadowBrush();
    IsScrollBar(w, WS_VSCROLL);
    DrawRect(dc, &r);
    ExDrawRect(dc, &r, 1);
    DrawRoundRect(dc, &r, 1, 1);
    DrawFrame(dc, &r, TRUE, 1);
    EdgeDrawRect(dc, &r, TRUE, 1);
    CtlFrame(w, dc, 1, TRUE, 1);
    EdgeDrawCtl(w, dc, 1, TRUE, 1);
    DrawBitmap(dc, NULL, 0, 0, 0, 0);
    CoverWindow(w, dc, 1, TRUE, COVER_NOPATTERN);
    PaintCoverWindow(w, &ps, 1, TRUE, COVER_DOTS);
    AndRect(&r, &r, &r);
    ClntRc2ScrnRc(w, &r, &r);
    ScrnRc2ClntRc(w, &r, &r);
    CenterPopup(w, NULL);
    SpinCtlWndFn(w, WM_NULL, 0, 0);
    TextCtlWndFn(w, WM_NULL, 0, 0);
    MeterCtlWndFn(w, WM_NULL, 0, 0);
    IndicatorCtlWndFn(w, WM_NULL, 0, 0);
    CheckBtnCtlWndFn(w, WM_NULL, 0, 0);
    CheckMarkCtlWndFn(w, WM_NULL, 0, 0);
    PlateCtlWndFn(w, WM_NULL, 0, 0);
    ClipCtlWndFn(w, WM_NULL, 0, 0);
    BorderCtlWndFn(w, WM_NULL, 0, 0);
    IconDrawCtlWndFn(w, WM_NULL, 0, 0);
    CalenderCtlWndFn(w, WM_NULL, 0, 0);
    SelYearMonthDlgFn(w, WM_NULL, 0, 0);
    FolderCtlWndFn(w, WM_NULL, 0, 0);
    {
        POINT at = {0, 0};
        HWND tip = NULL;
        CreateInformDlg(w, "", "", "");
        DestroyInformDlg();
        InformDlgFn(w, WM_NULL, 0, 0);
        CreateToolTipWindow(w, &at, "", &tip);
        DestroyToolTipWindow(&tip);
        TipWndFn(w, WM_NULL, 0, 0);
        ChkMessage();
        PopView(w, "");
        PopViewWndFn(w, WM_NULL, 0, 0);
        KBFilter(HC_ACTION, 0, 0);
        TenKeyPad(w);
        TenKeyDlgFn(w, WM_NULL, 0, 0);
    }
    {
        char name[REZORE32_DIRBUFFER] = "";
        char filter[] = "All|*.*|";
        CallOpenFileName(w, FALSE, "t", filter, name, sizeof(name));
        CallOpenFileName95(w, TRUE, NULL, filter, name, sizeof(name));
        CallSelDirectry(w, "t", name, 0);
        CallSelEditDirectry(w, "t", name, 0);
        OpenFileNameDlgFN(w, WM_NULL, 0, 0);
        SelDirectryDlgFN(w, WM_NULL, 0, 0);
        SelEditDirectryDlgFN(w, WM_NULL, 0, 0);
    }
    {
        char text[300] = "1";
        HGLOBAL blocks[1] = {NULL};
        DWORD translation = 0;
        HGLOBAL saved = NULL;
        Sz2UShort(text);
        Sz2Long(text);
        FreeMemMtrx(blocks, 1);
        CommaED(text, 1);
        StrSpcCut(text);
        SzHan2SzZen("A", text);
        ChkStrDQuotation("a", text);
        ChkStrComma2DQuotation("a", text);
        ChkStrComma("a", text);
        ExchgStr(text, 1);
        GetNEBRegString("s", "n", "", text, sizeof(text), "a");
        GetNEBRegInt("s", "n", 0, "a");
        WriteNEBRegString("s", "n", "v", "a");
        WriteNEBRegInt("s", "n", 1, "a");
        GetVerInf(OpenVerInf("x", &translation), translation, VERINF_PRODUCTNAME, text);
        GetNEBAPLDLLVersion();
        IsFileExist(text);
        GetIniFileName(NULL, text);
        GetHlpFileName(NULL, text);
        FepControl(w, TRUE);
        FEPWordRegisterd(w);
        GetPrinterName(text);
        InitSysCursor(&saved);
        SetSysCursor(NULL);
        TermSysCursor(&saved);
        SetBroadCastWindow(w, 1);
        ResetBroadCastWindow(w);
        PostBroadCastMessage(-1, WM_NULL, 0, 0);
    }
    return 1;
}
