#pragma once

#include "BrevanePage.h"

// The page the host always creates and never shows: it keeps the host's page tree in step
// with the operating mode (M513, K08), the direction source (I00), the drive generation of the
// indirect triggers (J439) and the switches of the additional functions.
class DbmVisibility : public BrevanePage
{
    Q_OBJECT
public:
    explicit DbmVisibility(QWidget *parent = nullptr);

    QString identifier() const override;
    void initialUpdate() override;

public slots:
    void PageVisibilityChanged();
    void ZusatzfunktionenVisibilityChanged();
    void connectParameterControls();

private:
    QString rawText(const QString &coordinate) const;
    void showPage(const QString &identifier, bool shown) const;
    // Shows or hides every page in order; the exception gets the opposite.
    void showPages(const QStringList &identifiers, bool shown, const QString &exception = QString()) const;
    // Both return whether the motion-block pages are shown.
    bool showModeGroups(const QString &mode) const;
    bool showModeGroupsOfM513(const QString &mode) const;
};
