<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AccountFormDialog</name>
    <message>
        <source>New Account</source>
        <translation>Neues Konto</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>Konto bearbeiten</translation>
    </message>
    <message>
        <source>Account name</source>
        <translation>Kontoname</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>Girokonto</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Sparkonto</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Kreditkarte</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Bargeld</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>Depot</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Sonstiges</translation>
    </message>
    <message>
        <source>USD ($)</source>
        <translation>USD ($)</translation>
    </message>
    <message>
        <source>EUR (€)</source>
        <translation>EUR (€)</translation>
    </message>
    <message>
        <source>GBP (£)</source>
        <translation>GBP (£)</translation>
    </message>
    <message>
        <source>CAD ($)</source>
        <translation>CAD ($)</translation>
    </message>
    <message>
        <source>AUD ($)</source>
        <translation>AUD ($)</translation>
    </message>
    <message>
        <source>JPY (¥)</source>
        <translation>JPY (¥)</translation>
    </message>
    <message>
        <source>Bank name (optional)</source>
        <translation>Name der Bank (optional)</translation>
    </message>
    <message>
        <source>Last 4 digits (optional)</source>
        <translation>Letzte 4 Ziffern (optional)</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Typ:</translation>
    </message>
    <message>
        <source>&amp;Currency:</source>
        <translation>&amp;Währung:</translation>
    </message>
    <message>
        <source>Starting &amp;Balance:</source>
        <translation>&amp;Anfangssaldo:</translation>
    </message>
    <message>
        <source>&amp;As of:</source>
        <translation>&amp;Stichtag:</translation>
    </message>
    <message>
        <source>&amp;Institution:</source>
        <translation>&amp;Bank:</translation>
    </message>
    <message>
        <source>Account &amp;Number:</source>
        <translation>&amp;Kontonummer:</translation>
    </message>
</context>
<context>
    <name>AccountItemWidget</name>
    <message>
        <source>Balance of %1</source>
        <translation>Saldo von %1</translation>
    </message>
</context>
<context>
    <name>AccountPresentation</name>
    <message>
        <source>Checking</source>
        <translation>Girokonto</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Sparkonto</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Kreditkarte</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Bargeld</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>Depot</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Sonstiges</translation>
    </message>
    <message>
        <source>No accounts</source>
        <translation>Keine Konten</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>Gesamt: %1</translation>
    </message>
</context>
<context>
    <name>AccountSharingService</name>
    <message>
        <source>Failed to share account (HTTP %1)</source>
        <translation>Das Konto konnte nicht geteilt werden (HTTP %1)</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Failed to initialize the database.

Data directory: %1

Please check file permissions and try again.</source>
        <translation>Die Datenbank konnte nicht geöffnet werden.

Datenverzeichnis: %1

Bitte prüfen Sie die Zugriffsrechte und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Database Error</source>
        <translation>Datenbankfehler</translation>
    </message>
</context>
<context>
    <name>BackupService</name>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1: the row is too large for a backup (%2 bytes)</source>
        <translation>%1: Der Datensatz ist zu groß für eine Sicherung (%2 Byte)</translation>
    </message>
    <message>
        <source>The database is too large for a backup</source>
        <translation>Die Datenbank ist zu groß für eine Sicherung</translation>
    </message>
    <message>
        <source>The archive could not be written</source>
        <translation>Das Archiv konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Failed to open ZIP archive</source>
        <translation>Das ZIP-Archiv konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>%1: entry too large</source>
        <translation>%1: Eintrag zu groß</translation>
    </message>
    <message>
        <source>Invalid backup: missing manifest.json</source>
        <translation>Ungültige Sicherung: manifest.json fehlt</translation>
    </message>
    <message>
        <source>Unsupported backup version: %1</source>
        <translation>Nicht unterstützte Sicherungsversion: %1</translation>
    </message>
    <message>
        <source>The backup is too large to restore</source>
        <translation>Die Sicherung ist zu groß für eine Wiederherstellung</translation>
    </message>
    <message>
        <source>The backup could not be written to the database (%1); nothing was restored.</source>
        <translation>Die Sicherung konnte nicht in die Datenbank geschrieben werden (%1); es wurde nichts wiederhergestellt.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: unexpected error</source>
        <translation>%1: unerwarteter Fehler</translation>
    </message>
    <message>
        <source>%1: invalid JSON</source>
        <translation>%1: ungültiges JSON</translation>
    </message>
    <message>
        <source>the row has no id</source>
        <translation>der Datensatz hat keine ID</translation>
    </message>
    <message>
        <source>invalid value for %1</source>
        <translation>ungültiger Wert für %1</translation>
    </message>
</context>
<context>
    <name>CategoryService</name>
    <message>
        <source>Charitable Donations</source>
        <translation>Spenden</translation>
    </message>
    <message>
        <source>Medical Expenses</source>
        <translation>Krankheitskosten</translation>
    </message>
    <message>
        <source>Business Expenses</source>
        <translation>Berufliche Ausgaben</translation>
    </message>
    <message>
        <source>Home Office</source>
        <translation>Arbeitszimmer</translation>
    </message>
    <message>
        <source>Education Expenses</source>
        <translation>Aus- &amp; Weiterbildung</translation>
    </message>
    <message>
        <source>State &amp; Local Taxes</source>
        <translation>Steuern &amp; Abgaben</translation>
    </message>
    <message>
        <source>Mortgage Interest</source>
        <translation>Kreditzinsen Immobilie</translation>
    </message>
    <message>
        <source>Property Tax</source>
        <translation>Grundsteuer</translation>
    </message>
    <message>
        <source>Housing</source>
        <translation>Wohnen</translation>
    </message>
    <message>
        <source>Rent/Mortgage Payment</source>
        <translation>Miete/Kreditrate</translation>
    </message>
    <message>
        <source>Maintenance</source>
        <translation>Wartung &amp; Reparatur</translation>
    </message>
    <message>
        <source>HOA</source>
        <translation>Hausgeld</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>Nebenkosten</translation>
    </message>
    <message>
        <source>Electric</source>
        <translation>Strom</translation>
    </message>
    <message>
        <source>Gas</source>
        <translation>Gas</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Wasser</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Transportation</source>
        <translation>Mobilität</translation>
    </message>
    <message>
        <source>Gas/Fuel</source>
        <translation>Kraftstoff</translation>
    </message>
    <message>
        <source>Car Payment</source>
        <translation>Autokredit</translation>
    </message>
    <message>
        <source>Auto Insurance</source>
        <translation>Kfz-Versicherung</translation>
    </message>
    <message>
        <source>Public Transit</source>
        <translation>ÖPNV</translation>
    </message>
    <message>
        <source>Groceries</source>
        <translation>Lebensmittel</translation>
    </message>
    <message>
        <source>Dining &amp; Restaurants</source>
        <translation>Restaurants &amp; Cafés</translation>
    </message>
    <message>
        <source>Personal Care</source>
        <translation>Körperpflege</translation>
    </message>
    <message>
        <source>Pets</source>
        <translation>Haustiere</translation>
    </message>
    <message>
        <source>Subscriptions</source>
        <translation>Abonnements</translation>
    </message>
    <message>
        <source>Gifts</source>
        <translation>Geschenke</translation>
    </message>
    <message>
        <source>Miscellaneous</source>
        <translation>Sonstiges</translation>
    </message>
    <message>
        <source>Entertainment</source>
        <translation>Freizeit</translation>
    </message>
    <message>
        <source>Streaming</source>
        <translation>Streaming</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Kino</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Veranstaltungen</translation>
    </message>
    <message>
        <source>Shopping</source>
        <translation>Einkäufe</translation>
    </message>
    <message>
        <source>Clothing</source>
        <translation>Kleidung</translation>
    </message>
    <message>
        <source>Electronics</source>
        <translation>Elektronik</translation>
    </message>
    <message>
        <source>Household</source>
        <translation>Haushalt</translation>
    </message>
    <message>
        <source>Insurance</source>
        <translation>Versicherungen</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>Krankenversicherung</translation>
    </message>
    <message>
        <source>Life</source>
        <translation>Lebensversicherung</translation>
    </message>
    <message>
        <source>Home/Renters</source>
        <translation>Hausrat/Wohngebäude</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Kfz</translation>
    </message>
    <message>
        <source>Fees &amp; Charges</source>
        <translation>Gebühren &amp; Entgelte</translation>
    </message>
    <message>
        <source>Bank Fees</source>
        <translation>Kontoführungsgebühren</translation>
    </message>
    <message>
        <source>ATM Fees</source>
        <translation>Geldautomatengebühren</translation>
    </message>
    <message>
        <source>Late Fees</source>
        <translation>Mahngebühren</translation>
    </message>
    <message>
        <source>Salary / Wages</source>
        <translation>Gehalt/Lohn</translation>
    </message>
    <message>
        <source>Interest Income</source>
        <translation>Zinserträge</translation>
    </message>
    <message>
        <source>Dividend Income</source>
        <translation>Dividenden</translation>
    </message>
    <message>
        <source>Rental Income</source>
        <translation>Mieteinnahmen</translation>
    </message>
    <message>
        <source>Freelance / Consulting</source>
        <translation>Selbstständige Tätigkeit</translation>
    </message>
    <message>
        <source>Refunds</source>
        <translation>Erstattungen</translation>
    </message>
    <message>
        <source>Gifts Received</source>
        <translation>Erhaltene Geschenke</translation>
    </message>
    <message>
        <source>Other Income</source>
        <translation>Sonstige Einnahmen</translation>
    </message>
</context>
<context>
    <name>EmptyStatePage</name>
    <message>
        <source>Getting started</source>
        <translation>Erste Schritte</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>Welcome to Tindral Quillon</source>
        <translation>Willkommen bei Tindral Quillon</translation>
    </message>
    <message>
        <source>Create your first account to get started.</source>
        <translation>Legen Sie Ihr erstes Konto an, um loszulegen.</translation>
    </message>
    <message>
        <source>Create Account</source>
        <translation>Konto anlegen</translation>
    </message>
    <message>
        <source>You can also import transactions from a CSV file via File › Import.</source>
        <translation>Sie können Buchungen auch über Datei › Importieren aus einer CSV-Datei übernehmen.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Tindral Quillon</source>
        <translation>Tindral Quillon</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>Sidebar and pages</source>
        <translation>Seitenleiste und Seiten</translation>
    </message>
    <message>
        <source>Sidebar width</source>
        <translation>Breite der Seitenleiste</translation>
    </message>
    <message numerus="yes">
        <source>Auto-posted %n recurring transaction(s)</source>
        <translation>
            <numerusform>%n wiederkehrende Buchung automatisch gebucht</numerusform>
            <numerusform>%n wiederkehrende Buchungen automatisch gebucht</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New Transaction</source>
        <translation>&amp;Neue Buchung</translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation>Ctrl+N</translation>
    </message>
    <message>
        <source>Select an account first</source>
        <translation>Wählen Sie zuerst ein Konto aus</translation>
    </message>
    <message>
        <source>New &amp;Account</source>
        <translation>Neues &amp;Konto</translation>
    </message>
    <message>
        <source>Ctrl+Shift+N</source>
        <translation>Ctrl+Shift+N</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importieren...</translation>
    </message>
    <message>
        <source>Ctrl+I</source>
        <translation>Ctrl+I</translation>
    </message>
    <message>
        <source>Tindral &amp;Account...</source>
        <translation>Tindral-&amp;Benutzerkonto...</translation>
    </message>
    <message>
        <source>&amp;Sign In...</source>
        <translation>&amp;Anmelden...</translation>
    </message>
    <message>
        <source>Sign &amp;Out</source>
        <translation>Ab&amp;melden</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Suchen...</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>&amp;Einstellungen...</translation>
    </message>
    <message>
        <source>&amp;Account</source>
        <translation>&amp;Konto</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Bearbeiten...</translation>
    </message>
    <message>
        <source>&amp;Reconcile...</source>
        <translation>&amp;Abgleichen...</translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation>Ctrl+R</translation>
    </message>
    <message>
        <source>Reconciliation &amp;History...</source>
        <translation>Abgleichs&amp;verlauf...</translation>
    </message>
    <message>
        <source>Rename &amp;Payees...</source>
        <translation>&amp;Empfänger umbenennen...</translation>
    </message>
    <message>
        <source>&amp;Share...</source>
        <translation>&amp;Teilen...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Reports</source>
        <translation>&amp;Berichte</translation>
    </message>
    <message>
        <source>Ctrl+2</source>
        <translation>Ctrl+2</translation>
    </message>
    <message>
        <source>Re&amp;curring Transactions</source>
        <translation>&amp;Wiederkehrende Buchungen</translation>
    </message>
    <message>
        <source>Ctrl+3</source>
        <translation>Ctrl+3</translation>
    </message>
    <message>
        <source>C&amp;ategories</source>
        <translation>&amp;Kategorien</translation>
    </message>
    <message>
        <source>Ctrl+4</source>
        <translation>Ctrl+4</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About Tindral Quillon</source>
        <translation>&amp;Info zu Tindral Quillon</translation>
    </message>
    <message>
        <source>What&apos;s &amp;New...</source>
        <translation>&amp;Neuigkeiten...</translation>
    </message>
    <message>
        <source>Check for &amp;Updates...</source>
        <translation>Nach &amp;Updates suchen...</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>&amp;Tastenkürzel</translation>
    </message>
    <message>
        <source>Load &amp;Sample Data</source>
        <translation>&amp;Beispieldaten laden</translation>
    </message>
    <message>
        <source>&amp;Clear Sample Data</source>
        <translation>Beispieldaten &amp;entfernen</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>Seitenleiste</translation>
    </message>
    <message>
        <source>Accounts</source>
        <translation>Konten</translation>
    </message>
    <message>
        <source>Total of all accounts</source>
        <translation>Summe aller Konten</translation>
    </message>
    <message>
        <source>Sync complete</source>
        <translation>Synchronisierung abgeschlossen</translation>
    </message>
    <message>
        <source>Sync failed: %1</source>
        <translation>Synchronisierung fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Signed in successfully</source>
        <translation>Erfolgreich angemeldet</translation>
    </message>
    <message>
        <source>Sign-in failed: %1</source>
        <translation>Anmeldung fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Not signed in</source>
        <translation>Nicht angemeldet</translation>
    </message>
    <message>
        <source>New Account</source>
        <translation>Neues Konto</translation>
    </message>
    <message>
        <source>The account could not be created.</source>
        <translation>Das Konto konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Nothing was stored; your other accounts are unchanged.</source>
        <translation>Es wurde nichts gespeichert; Ihre übrigen Konten sind unverändert.</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>Konto bearbeiten</translation>
    </message>
    <message>
        <source>The changes could not be saved.</source>
        <translation>Die Änderungen konnten nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>The account keeps its previous details and balance.</source>
        <translation>Das Konto behält seine bisherigen Angaben und seinen Saldo.</translation>
    </message>
    <message>
        <source>Account actions</source>
        <translation>Kontoaktionen</translation>
    </message>
    <message>
        <source>New Account...</source>
        <translation>Neues Konto...</translation>
    </message>
    <message>
        <source>Edit &quot;%1&quot;...</source>
        <translation>„%1“ bearbeiten...</translation>
    </message>
    <message>
        <source>Reconcile...</source>
        <translation>Abgleichen...</translation>
    </message>
    <message>
        <source>Reconciliation History...</source>
        <translation>Abgleichsverlauf...</translation>
    </message>
    <message>
        <source>Rename Payees...</source>
        <translation>Empfänger umbenennen...</translation>
    </message>
    <message>
        <source>Share...</source>
        <translation>Teilen...</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;</source>
        <translation>„%1“ löschen</translation>
    </message>
    <message>
        <source>Delete Account</source>
        <translation>Konto löschen</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;?

All transactions, recurring entries, and reconciliation history for this account will be removed. You can restore it from Preferences → Data &amp; Sync.</source>
        <translation>„%1“ löschen?

Alle Buchungen, wiederkehrenden Buchungen und der Abgleichsverlauf dieses Kontos werden entfernt. Sie können es unter Einstellungen → Daten &amp; Synchronisierung wiederherstellen.</translation>
    </message>
    <message>
        <source>The account could not be deleted.</source>
        <translation>Das Konto konnte nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>Nothing was removed: the account and all its entries are kept.</source>
        <translation>Es wurde nichts entfernt: Das Konto und alle seine Buchungen bleiben erhalten.</translation>
    </message>
    <message>
        <source>About Tindral Quillon</source>
        <translation>Info zu Tindral Quillon</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Tindral Quillon&lt;/h3&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;A digital quillon register for tracking household finances.&lt;/p&gt;&lt;p&gt;&lt;small&gt;This application uses the Qt framework under the GNU LGPL version 3. The source code of Qt is available at &lt;a href=&quot;https://download.qt.io/&quot;&gt;download.qt.io&lt;/a&gt;.&lt;/small&gt;&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Tindral Quillon&lt;/h3&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;Ein digitales Haushaltsbuch für Ihre privaten Finanzen.&lt;/p&gt;&lt;p&gt;&lt;small&gt;Dieses Programm verwendet das Qt-Framework unter der GNU LGPL Version 3. Der Quellcode von Qt ist unter &lt;a href=&quot;https://download.qt.io/&quot;&gt;download.qt.io&lt;/a&gt; erhältlich.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Umsätze</translation>
    </message>
    <message>
        <source>Ctrl+Enter</source>
        <translation>Ctrl+Enter</translation>
    </message>
    <message>
        <source>Save transaction</source>
        <translation>Buchung speichern</translation>
    </message>
    <message>
        <source>Insert new transaction</source>
        <translation>Neue Buchung einfügen</translation>
    </message>
    <message>
        <source>Ctrl+D</source>
        <translation>Ctrl+D</translation>
    </message>
    <message>
        <source>Delete current transaction</source>
        <translation>Aktuelle Buchung löschen</translation>
    </message>
    <message>
        <source>Tab / Shift+Tab</source>
        <translation>Tab / Shift+Tab</translation>
    </message>
    <message>
        <source>Next / previous field</source>
        <translation>Nächstes / vorheriges Feld</translation>
    </message>
    <message>
        <source>&apos; (apostrophe)</source>
        <translation>&apos; (Apostroph)</translation>
    </message>
    <message>
        <source>Copy value from field above</source>
        <translation>Wert aus dem Feld darüber übernehmen</translation>
    </message>
    <message>
        <source>Date Field</source>
        <translation>Datumsfeld</translation>
    </message>
    <message>
        <source>t</source>
        <translation>t</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>+ / -</source>
        <translation>+ / -</translation>
    </message>
    <message>
        <source>Next / previous day</source>
        <translation>Nächster / vorheriger Tag</translation>
    </message>
    <message>
        <source>m / h</source>
        <translation>m / h</translation>
    </message>
    <message>
        <source>First / last day of month</source>
        <translation>Erster / letzter Tag des Monats</translation>
    </message>
    <message>
        <source>y / r</source>
        <translation>y / r</translation>
    </message>
    <message>
        <source>First / last day of year</source>
        <translation>Erster / letzter Tag des Jahres</translation>
    </message>
    <message>
        <source>w / k</source>
        <translation>w / k</translation>
    </message>
    <message>
        <source>First / last day of week</source>
        <translation>Erster / letzter Tag der Woche</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>New transaction</source>
        <translation>Neue Buchung</translation>
    </message>
    <message>
        <source>New account</source>
        <translation>Neues Konto</translation>
    </message>
    <message>
        <source>Reconcile account</source>
        <translation>Konto abgleichen</translation>
    </message>
    <message>
        <source>Ctrl+F</source>
        <translation>Ctrl+F</translation>
    </message>
    <message>
        <source>Search transactions</source>
        <translation>Buchungen durchsuchen</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Berichte</translation>
    </message>
    <message>
        <source>Recurring transactions</source>
        <translation>Wiederkehrende Buchungen</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Kategorien</translation>
    </message>
    <message>
        <source>Alt+1 &amp;ndash; Alt+9</source>
        <translation>Alt+1 &amp;ndash; Alt+9</translation>
    </message>
    <message>
        <source>Switch to account 1&amp;ndash;9</source>
        <translation>Zu Konto 1&amp;ndash;9 wechseln</translation>
    </message>
    <message>
        <source>Alt+0</source>
        <translation>Alt+0</translation>
    </message>
    <message>
        <source>Switch to account 10</source>
        <translation>Zu Konto 10 wechseln</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>Sample Data</source>
        <translation>Beispieldaten</translation>
    </message>
    <message>
        <source>Sample data is already loaded.</source>
        <translation>Die Beispieldaten sind bereits geladen.</translation>
    </message>
    <message>
        <source>Load Sample Data</source>
        <translation>Beispieldaten laden</translation>
    </message>
    <message>
        <source>The sample data could not be loaded.</source>
        <translation>Die Beispieldaten konnten nicht geladen werden.</translation>
    </message>
    <message>
        <source>Nothing was added; your own accounts are unchanged.</source>
        <translation>Es wurde nichts hinzugefügt; Ihre eigenen Konten sind unverändert.</translation>
    </message>
    <message>
        <source>Sample data loaded</source>
        <translation>Beispieldaten geladen</translation>
    </message>
    <message>
        <source>No sample data to clear.</source>
        <translation>Es sind keine Beispieldaten vorhanden.</translation>
    </message>
    <message>
        <source>Clear Sample Data</source>
        <translation>Beispieldaten entfernen</translation>
    </message>
    <message>
        <source>The sample data could not be removed.</source>
        <translation>Die Beispieldaten konnten nicht entfernt werden.</translation>
    </message>
    <message>
        <source>Nothing was removed. A sample account that holds entries of your own stays until you move or delete them.</source>
        <translation>Es wurde nichts entfernt. Ein Beispielkonto mit eigenen Buchungen bleibt bestehen, bis Sie diese verschieben oder löschen.</translation>
    </message>
    <message>
        <source>Sample data cleared</source>
        <translation>Beispieldaten entfernt</translation>
    </message>
</context>
<context>
    <name>QCalendarWidget</name>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>The server said: %1</source>
        <translation>Antwort des Servers: %1</translation>
    </message>
</context>
<context>
    <name>RegisterDelegate</name>
    <message>
        <source>Open calendar (F4)</source>
        <translation>Kalender öffnen (F4)</translation>
    </message>
</context>
<context>
    <name>RegisterModel</name>
    <message>
        <source>(split)</source>
        <translation>(aufgeteilt)</translation>
    </message>
    <message>
        <source>The opening balance is the account&apos;s starting balance; change it with Account &gt; Edit.</source>
        <translation>Der Eröffnungssaldo ist der Anfangssaldo des Kontos; ändern Sie ihn über Konto &gt; Bearbeiten.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Chk #</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Payee / Memo</source>
        <translation>Empfänger / Notiz</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Ausgabe</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Einnahme</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>Geb.</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
</context>
<context>
    <name>RegisterScreen</name>
    <message>
        <source>Reconcile</source>
        <translation>Abgleichen</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Umsätze</translation>
    </message>
    <message>
        <source>Ending balance</source>
        <translation>Endsaldo</translation>
    </message>
    <message>
        <source>Transactions</source>
        <translation>Buchungen</translation>
    </message>
    <message>
        <source>Register message</source>
        <translation>Meldung der Umsatzliste</translation>
    </message>
    <message>
        <source>Ctrl+Enter: save  |  Enter: next  |  Ctrl+D: delete  |  &apos;: copy above</source>
        <translation>Ctrl+Enter: speichern  |  Enter: weiter  |  Ctrl+D: löschen  |  &apos;: von oben übernehmen</translation>
    </message>
    <message>
        <source>Unsaved Transaction</source>
        <translation>Nicht gespeicherte Buchung</translation>
    </message>
    <message>
        <source>Save the transaction you were typing?</source>
        <translation>Die begonnene Buchung speichern?</translation>
    </message>
    <message>
        <source>The opening balance comes from the account&apos;s starting balance; change it with Account &gt; Edit.</source>
        <translation>Der Eröffnungssaldo stammt aus dem Anfangssaldo des Kontos; ändern Sie ihn über Konto &gt; Bearbeiten.</translation>
    </message>
    <message>
        <source>Payee is required</source>
        <translation>Bitte einen Empfänger angeben</translation>
    </message>
    <message>
        <source>Enter a payment or deposit amount</source>
        <translation>Bitte einen Ausgabe- oder Einnahmebetrag eingeben</translation>
    </message>
    <message>
        <source>Cannot read the amount &quot;%1&quot;; type it like 1,234.56</source>
        <translation>Der Betrag „%1“ ist nicht lesbar; bitte im Format 1,234.56 eingeben</translation>
    </message>
    <message>
        <source>An existing transaction cannot become a transfer; delete it and enter the transfer as a new transaction</source>
        <translation>Eine bestehende Buchung kann keine Umbuchung werden; löschen Sie sie und erfassen Sie die Umbuchung neu</translation>
    </message>
    <message>
        <source>Transfer account not found</source>
        <translation>Gegenkonto nicht gefunden</translation>
    </message>
    <message>
        <source>A transfer needs another account</source>
        <translation>Eine Umbuchung braucht ein anderes Konto</translation>
    </message>
    <message>
        <source>This transaction no longer exists</source>
        <translation>Diese Buchung existiert nicht mehr</translation>
    </message>
    <message>
        <source>Could not save the transaction</source>
        <translation>Die Buchung konnte nicht gespeichert werden</translation>
    </message>
    <message>
        <source>Transaction saved</source>
        <translation>Buchung gespeichert</translation>
    </message>
    <message>
        <source>Fields cleared</source>
        <translation>Felder geleert</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot; for %2?</source>
        <translation>„%1“ über %2 löschen?</translation>
    </message>
    <message>
        <source>Delete transfer &quot;%1&quot; for %2?

Both sides of the transfer will be deleted.</source>
        <translation>Umbuchung „%1“ über %2 löschen?

Beide Seiten der Umbuchung werden gelöscht.</translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation>Buchung löschen</translation>
    </message>
    <message>
        <source>Could not delete the transaction</source>
        <translation>Die Buchung konnte nicht gelöscht werden</translation>
    </message>
    <message>
        <source>Could not save the split</source>
        <translation>Die Aufteilung konnte nicht gespeichert werden</translation>
    </message>
    <message>
        <source>Split saved</source>
        <translation>Aufteilung gespeichert</translation>
    </message>
    <message>
        <source>&amp;Insert New (Ctrl+I)</source>
        <translation>Neue &amp;Zeile (Ctrl+I)</translation>
    </message>
    <message>
        <source>&amp;New Transaction... (Ctrl+N)</source>
        <translation>Neue &amp;Buchung... (Ctrl+N)</translation>
    </message>
    <message>
        <source>Mark &amp;Uncleared</source>
        <translation>Als &amp;nicht gebucht markieren</translation>
    </message>
    <message>
        <source>Mark &amp;Cleared</source>
        <translation>Als &amp;gebucht markieren</translation>
    </message>
    <message>
        <source>S&amp;plit...</source>
        <translation>&amp;Aufteilen...</translation>
    </message>
    <message>
        <source>&amp;Delete (Ctrl+D)</source>
        <translation>&amp;Löschen (Ctrl+D)</translation>
    </message>
</context>
<context>
    <name>SampleDataService</name>
    <message>
        <source>Main Checking</source>
        <translation>Girokonto</translation>
    </message>
    <message>
        <source>Riverbend Credit Union</source>
        <translation>Volksbank Flussau</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Tagesgeld</translation>
    </message>
    <message>
        <source>Visa Rewards</source>
        <translation>Visa Bonus</translation>
    </message>
    <message>
        <source>Summit Bank</source>
        <translation>Gipfelbank</translation>
    </message>
    <message>
        <source>Brightpath Inc</source>
        <translation>Hellweg GmbH</translation>
    </message>
    <message>
        <source>Biweekly paycheck</source>
        <translation>Lohn 14-tägig</translation>
    </message>
    <message>
        <source>Pinecrest Apartments</source>
        <translation>Kiefernhain Wohnbau</translation>
    </message>
    <message>
        <source>February rent</source>
        <translation>Miete Februar</translation>
    </message>
    <message>
        <source>Greenleaf Market</source>
        <translation>Grünblatt Markt</translation>
    </message>
    <message>
        <source>Weekly groceries</source>
        <translation>Wocheneinkauf</translation>
    </message>
    <message>
        <source>Streamly</source>
        <translation>Streamly</translation>
    </message>
    <message>
        <source>Monthly subscription</source>
        <translation>Monatsabo</translation>
    </message>
    <message>
        <source>Lakeside Utilities</source>
        <translation>Stadtwerke Seeufer</translation>
    </message>
    <message>
        <source>Electric bill</source>
        <translation>Stromabschlag</translation>
    </message>
    <message>
        <source>QuickFuel</source>
        <translation>QuickFuel</translation>
    </message>
    <message>
        <source>Fuel</source>
        <translation>Tanken</translation>
    </message>
    <message>
        <source>Fiberlink</source>
        <translation>Fiberlink</translation>
    </message>
    <message>
        <source>Internet service</source>
        <translation>Internetanschluss</translation>
    </message>
    <message>
        <source>Corner Bistro</source>
        <translation>Eck-Bistro</translation>
    </message>
    <message>
        <source>Dinner</source>
        <translation>Abendessen</translation>
    </message>
    <message>
        <source>Shieldline Insurance</source>
        <translation>Schildwacht Versicherung</translation>
    </message>
    <message>
        <source>Auto insurance premium</source>
        <translation>Kfz-Versicherungsbeitrag</translation>
    </message>
    <message>
        <source>Wellway Pharmacy</source>
        <translation>Wohlweg-Apotheke</translation>
    </message>
    <message>
        <source>Prescription</source>
        <translation>Rezept</translation>
    </message>
    <message>
        <source>Hope Community Church</source>
        <translation>Gemeinde Hoffnung</translation>
    </message>
    <message>
        <source>Monthly donation</source>
        <translation>Monatliche Spende</translation>
    </message>
    <message>
        <source>March rent</source>
        <translation>Miete März</translation>
    </message>
    <message>
        <source>Lunch</source>
        <translation>Mittagessen</translation>
    </message>
    <message>
        <source>Pharmacy</source>
        <translation>Apotheke</translation>
    </message>
    <message>
        <source>Interest payment</source>
        <translation>Zinsgutschrift</translation>
    </message>
    <message>
        <source>Dash Delivery</source>
        <translation>Dash Lieferdienst</translation>
    </message>
    <message>
        <source>Food delivery</source>
        <translation>Essenslieferung</translation>
    </message>
    <message>
        <source>Stellar Coffee</source>
        <translation>Stellar Coffee</translation>
    </message>
    <message>
        <source>Coffee</source>
        <translation>Kaffee</translation>
    </message>
    <message>
        <source>Gadget World</source>
        <translation>Technikwelt</translation>
    </message>
    <message>
        <source>USB-C charger</source>
        <translation>USB-C-Ladegerät</translation>
    </message>
    <message>
        <source>CloudWatch Plus</source>
        <translation>CloudWatch Plus</translation>
    </message>
    <message>
        <source>Cloud storage</source>
        <translation>Cloud-Speicher</translation>
    </message>
    <message>
        <source>Payment - Thank You</source>
        <translation>Zahlung – vielen Dank</translation>
    </message>
    <message>
        <source>Credit card payment</source>
        <translation>Kreditkartenabrechnung</translation>
    </message>
    <message>
        <source>TechVault</source>
        <translation>TechVault</translation>
    </message>
    <message>
        <source>Wireless headphones</source>
        <translation>Kabellose Kopfhörer</translation>
    </message>
    <message>
        <source>BookNest Online</source>
        <translation>Büchernest Online</translation>
    </message>
    <message>
        <source>Programming books</source>
        <translation>Programmierbücher</translation>
    </message>
    <message>
        <source>Monthly rent</source>
        <translation>Monatsmiete</translation>
    </message>
    <message>
        <source>Transfer to Savings</source>
        <translation>An Tagesgeld</translation>
    </message>
    <message>
        <source>Monthly savings</source>
        <translation>Monatliche Sparrate</translation>
    </message>
    <message>
        <source>Transfer from Checking</source>
        <translation>Vom Girokonto</translation>
    </message>
</context>
<context>
    <name>SmartDateEdit</name>
    <message>
        <source>Open calendar (F4)</source>
        <translation>Kalender öffnen (F4)</translation>
    </message>
    <message>
        <source>Open calendar</source>
        <translation>Kalender öffnen</translation>
    </message>
</context>
<context>
    <name>SplitEditorDialog</name>
    <message>
        <source>Split Transaction</source>
        <translation>Buchung aufteilen</translation>
    </message>
    <message>
        <source>Divide %1 (%2) among categories.</source>
        <translation>%1 (%2) auf Kategorien aufteilen.</translation>
    </message>
    <message>
        <source>The split is kept on this device and in backups; sync does not carry it to your other devices.</source>
        <translation>Die Aufteilung bleibt auf diesem Gerät und in Sicherungen erhalten; die Synchronisierung überträgt sie nicht auf Ihre anderen Geräte.</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>&amp;Add Line</source>
        <translation>&amp;Zeile hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Remove Line</source>
        <translation>Zeile &amp;entfernen</translation>
    </message>
    <message>
        <source>Remaining: %1</source>
        <translation>Verbleibend: %1</translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>Offline</source>
        <translation>Offline</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Statusleiste</translation>
    </message>
    <message>
        <source>Number of accounts</source>
        <translation>Anzahl der Konten</translation>
    </message>
    <message>
        <source>Recurring transactions due</source>
        <translation>Fällige wiederkehrende Buchungen</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>Beschäftigt</translation>
    </message>
    <message>
        <source>Sync status</source>
        <translation>Synchronisierungsstatus</translation>
    </message>
    <message>
        <source>Resize window</source>
        <translation>Fenstergröße ändern</translation>
    </message>
    <message numerus="yes">
        <source>%n account(s)</source>
        <translation>
            <numerusform>%n Konto</numerusform>
            <numerusform>%n Konten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>  •  %n recurring due</source>
        <translation>
            <numerusform>  •  %n wiederkehrende Buchung fällig</numerusform>
            <numerusform>  •  %n wiederkehrende Buchungen fällig</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SyncEngine</name>
    <message>
        <source>Synced</source>
        <translation>Synchronisiert</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Wird synchronisiert...</translation>
    </message>
    <message>
        <source>Sync error</source>
        <translation>Synchronisierungsfehler</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Offline</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
</context>
<context>
    <name>WelcomeScreen</name>
    <message>
        <source>Continue Without an Account</source>
        <translation>Ohne Benutzerkonto fortfahren</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Willkommen</translation>
    </message>
    <message>
        <source>Tindral Quillon</source>
        <translation>Tindral Quillon</translation>
    </message>
    <message>
        <source>Your finances, everywhere.</source>
        <translation>Ihre Finanzen, überall.</translation>
    </message>
    <message>
        <source>Multi-Device Sync</source>
        <translation>Synchron auf allen Geräten</translation>
    </message>
    <message>
        <source>Keep your quillon in sync between your phone, tablet, and computer.</source>
        <translation>Ihr Haushaltsbuch ist auf Telefon, Tablet und Computer immer auf dem gleichen Stand.</translation>
    </message>
    <message>
        <source>Family Sharing</source>
        <translation>Mit der Familie teilen</translation>
    </message>
    <message>
        <source>Share accounts with family members. Everyone sees the same register in real time.</source>
        <translation>Teilen Sie Konten mit Ihrer Familie. Alle sehen dieselben Umsätze in Echtzeit.</translation>
    </message>
    <message>
        <source>Secure &amp; Private</source>
        <translation>Sicher &amp; privat</translation>
    </message>
    <message>
        <source>Your data is encrypted in transit and at rest. We never sell your data or show ads.</source>
        <translation>Ihre Daten werden bei der Übertragung und bei der Speicherung verschlüsselt. Wir verkaufen Ihre Daten nie und zeigen keine Werbung.</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Abmelden</translation>
    </message>
    <message>
        <source>Already have an account? Sign In</source>
        <translation>Schon ein Benutzerkonto? Anmelden</translation>
    </message>
</context>
</TS>
