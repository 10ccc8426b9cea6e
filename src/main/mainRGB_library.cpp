// The main window's side of the colour library: saving the current colour and loading
// one from the browser.
#include "app/MessageBox.h"
#include "app/dm.h"
#include "controls/ControlFactory.h"
#include "library/ColorStore.h"
#include "library/SaveInfo.h"
#include "library/ViewColor.h"
#include "main/mainRGB.h"

#include <QLabel>
#include <QLineEdit>

#include <memory>

void TfrmMain::bsSkinButton3Click()
{
    const QSqlDatabase store = ConnectedStore();
    if (ColorStore::ColorSaved(store, CurrentColor)) {
        ShowMessageBox(QStringLiteral("这个颜色已经保存了"), TMsgDlgType::mtInformation, mbOK);
        return;
    }

    // Discarded on every way out, a refused insert included.
    const auto frmSaveInfo = std::make_unique<TfrmSaveInfo>(this);
    frmSaveInfo->move(pos() + QPoint(30, 30));
    frmSaveInfo->edtName->setText(ColorStore::DefaultName(CurrentColor));
    QPalette sample = frmSaveInfo->lblColor->palette();
    sample.setColor(QPalette::Window, ToQColor(CurrentColor));
    sample.setColor(QPalette::WindowText, ToQColor(ComplementOf(CurrentColor)));
    frmSaveInfo->lblColor->setPalette(sample);

    if (frmSaveInfo->ShowModal() == mrOk)
        ColorStore::InsertColor(store, frmSaveInfo->edtName->text(), CurrentColor, frmSaveInfo->Comment());
}

void TfrmMain::bsSkinButton4Click()
{
    // Building the browser opens its list; when that fails there is no window.
    const auto frmViewColor = std::make_unique<TfrmViewColor>(this);
    frmViewColor->move(pos() + QPoint(30, 30));
    if (frmViewColor->ShowModal() == mrOk)
        UpdateViews();
}
