<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AccountActions</name>
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
        <source>The account was deleted meanwhile.</source>
        <translation>Das Konto wurde inzwischen gelöscht.</translation>
    </message>
    <message>
        <source>The account keeps its previous details and balance.</source>
        <translation>Das Konto behält seine bisherigen Angaben und seinen Saldo.</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;?

All transactions, recurring entries, and reconciliation history for this account will be removed. You can restore it from Preferences → Data &amp; Sync.</source>
        <translation>„%1“ löschen?

Alle Buchungen, wiederkehrenden Buchungen und der Abgleichsverlauf dieses Kontos werden entfernt. Sie können es unter Einstellungen → Daten &amp; Sync wiederherstellen.</translation>
    </message>
    <message>
        <source>The transaction you are typing in this account will be discarded.</source>
        <translation>Die Buchung, die Sie in diesem Konto eingeben, wird verworfen.</translation>
    </message>
    <message>
        <source>Delete Account</source>
        <translation>Konto löschen</translation>
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
        <source>Sign In Required</source>
        <translation>Anmeldung erforderlich</translation>
    </message>
    <message>
        <source>Sharing requires a Tindral account. Sign in via File › Sign In to enable sharing.</source>
        <translation>Zum Teilen brauchen Sie ein Tindral-Benutzerkonto. Melden Sie sich über Datei › Anmelden an, um das Teilen zu aktivieren.</translation>
    </message>
    <message>
        <source>Sync this account once before sharing it</source>
        <translation>Synchronisieren Sie dieses Konto einmal, bevor Sie es teilen</translation>
    </message>
    <message>
        <source>Share Account</source>
        <translation>Konto teilen</translation>
    </message>
    <message>
        <source>Sharing: %1</source>
        <translation>Teilen: %1</translation>
    </message>
    <message>
        <source>Share this account with members of your Tindral family group. They&apos;ll see the same register, balances, and reconciliation history on their devices.</source>
        <translation>Teilen Sie dieses Konto mit den Mitgliedern Ihrer Tindral-Familiengruppe. Sie sehen auf ihren Geräten dieselben Umsätze, Salden und denselben Abgleichsverlauf.</translation>
    </message>
    <message>
        <source>Shared with</source>
        <translation>Geteilt mit</translation>
    </message>
    <message>
        <source>Not shared with anyone yet.</source>
        <translation>Noch mit niemandem geteilt.</translation>
    </message>
    <message>
        <source>You&apos;re not part of a Tindral group yet. Create or join one under File › Tindral Account..., then share this account with its members.</source>
        <translation>Sie gehören noch keiner Tindral-Gruppe an. Gründen Sie unter Datei › Tindral-Benutzerkonto... eine Gruppe oder treten Sie einer bei und teilen Sie dann dieses Konto mit den Mitgliedern.</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Teilen</translation>
    </message>
    <message>
        <source>Remove Selected</source>
        <translation>Auswahl entfernen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Share Failed</source>
        <translation>Teilen fehlgeschlagen</translation>
    </message>
    <message>
        <source>Remove Failed</source>
        <translation>Entfernen fehlgeschlagen</translation>
    </message>
    <message>
        <source>Remove Share</source>
        <translation>Freigabe entfernen</translation>
    </message>
    <message>
        <source>Remove %1&apos;s access to this account?</source>
        <translation>%1 den Zugriff auf dieses Konto entziehen?</translation>
    </message>
    <message>
        <source>This account can be shared after its first sync.</source>
        <translation>Dieses Konto kann nach der ersten Synchronisierung geteilt werden.</translation>
    </message>
</context>
<context>
    <name>AccountContextMenu</name>
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
</context>
<context>
    <name>AccountDevicesPage</name>
    <message>
        <source>Registered Devices</source>
        <translation>Registrierte Geräte</translation>
    </message>
    <message>
        <source>Devices that have synced with your account.</source>
        <translation>Geräte, die mit Ihrem Benutzerkonto synchronisiert wurden.</translation>
    </message>
    <message>
        <source>No devices registered.</source>
        <translation>Keine Geräte registriert.</translation>
    </message>
    <message>
        <source>Unknown Device</source>
        <translation>Unbekanntes Gerät</translation>
    </message>
    <message>
        <source>  ·  v%1</source>
        <translation>  ·  v%1</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>%1 entfernen</translation>
    </message>
    <message>
        <source>Remove Device</source>
        <translation>Gerät entfernen</translation>
    </message>
    <message>
        <source>Remove %1?</source>
        <translation>%1 entfernen?</translation>
    </message>
    <message>
        <source>Device removed.</source>
        <translation>Gerät entfernt.</translation>
    </message>
    <message>
        <source>Failed to remove device.</source>
        <translation>Das Gerät konnte nicht entfernt werden.</translation>
    </message>
</context>
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
    <name>AccountGroupPage</name>
    <message>
        <source>No Group</source>
        <translation>Keine Gruppe</translation>
    </message>
    <message>
        <source>You&apos;re not part of a group. The group owner can invite you, or you can join with an invite code.</source>
        <translation>Sie gehören keiner Gruppe an. Der Inhaber einer Gruppe kann Sie einladen, oder Sie treten mit einem Einladungscode bei.</translation>
    </message>
    <message>
        <source>Join with Invite Code</source>
        <translation>Mit Einladungscode beitreten</translation>
    </message>
    <message>
        <source>%1 of %2 seats used</source>
        <translation>%1 von %2 Plätzen belegt</translation>
    </message>
    <message>
        <source>Members</source>
        <translation>Mitglieder</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Inhaber</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>%1 entfernen</translation>
    </message>
    <message>
        <source>Remove Member</source>
        <translation>Mitglied entfernen</translation>
    </message>
    <message>
        <source>Remove %1 from the group?</source>
        <translation>%1 aus der Gruppe entfernen?</translation>
    </message>
    <message>
        <source>Failed to remove %1.</source>
        <translation>%1 konnte nicht entfernt werden.</translation>
    </message>
    <message>
        <source>%1 removed.</source>
        <translation>%1 wurde entfernt.</translation>
    </message>
    <message>
        <source>Pending Invitations</source>
        <translation>Offene Einladungen</translation>
    </message>
    <message>
        <source>Invite code: %1</source>
        <translation>Einladungscode: %1</translation>
    </message>
    <message>
        <source>Revoke</source>
        <translation>Widerrufen</translation>
    </message>
    <message>
        <source>Revoke invitation %1</source>
        <translation>Einladung %1 widerrufen</translation>
    </message>
    <message>
        <source>Invitation revoked.</source>
        <translation>Einladung widerrufen.</translation>
    </message>
    <message>
        <source>Failed to revoke invitation.</source>
        <translation>Die Einladung konnte nicht widerrufen werden.</translation>
    </message>
    <message>
        <source>Invite Members</source>
        <translation>Mitglieder einladen</translation>
    </message>
    <message>
        <source>Invite by Email</source>
        <translation>Per E-Mail einladen</translation>
    </message>
    <message>
        <source>Generate Invite Code</source>
        <translation>Einladungscode erzeugen</translation>
    </message>
    <message>
        <source>Leave Group</source>
        <translation>Gruppe verlassen</translation>
    </message>
    <message>
        <source>Leave this group? You will lose access to shared data.</source>
        <translation>Diese Gruppe verlassen? Sie verlieren den Zugriff auf die geteilten Daten.</translation>
    </message>
    <message>
        <source>Left group.</source>
        <translation>Sie haben die Gruppe verlassen.</translation>
    </message>
    <message>
        <source>Failed to leave group.</source>
        <translation>Die Gruppe konnte nicht verlassen werden.</translation>
    </message>
    <message>
        <source>Join Group</source>
        <translation>Gruppe beitreten</translation>
    </message>
    <message>
        <source>Enter invite code:</source>
        <translation>Einladungscode eingeben:</translation>
    </message>
    <message>
        <source>Joined group.</source>
        <translation>Sie sind der Gruppe beigetreten.</translation>
    </message>
    <message>
        <source>Invalid or expired invite code.</source>
        <translation>Der Einladungscode ist ungültig oder abgelaufen.</translation>
    </message>
    <message>
        <source>Email address:</source>
        <translation>E-Mail-Adresse:</translation>
    </message>
    <message>
        <source>Invitation sent.</source>
        <translation>Einladung gesendet.</translation>
    </message>
    <message>
        <source>Failed to send invitation.</source>
        <translation>Die Einladung konnte nicht gesendet werden.</translation>
    </message>
    <message>
        <source>Failed to generate code.</source>
        <translation>Der Code konnte nicht erzeugt werden.</translation>
    </message>
    <message>
        <source>Invite Code</source>
        <translation>Einladungscode</translation>
    </message>
    <message>
        <source>Share this code with the person you want to invite:

%1</source>
        <translation>Geben Sie diesen Code an die Person weiter, die Sie einladen möchten:

%1</translation>
    </message>
</context>
<context>
    <name>AccountListModel</name>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
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
    <name>AccountPrivacyPage</name>
    <message>
        <source>Danger Zone</source>
        <translation>Gefahrenbereich</translation>
    </message>
    <message>
        <source>Permanently delete your account. This cannot be undone after 30 days.</source>
        <translation>Löscht Ihr Benutzerkonto endgültig. Nach 30 Tagen lässt sich das nicht mehr rückgängig machen.</translation>
    </message>
    <message>
        <source>Delete Account</source>
        <translation>Benutzerkonto löschen</translation>
    </message>
    <message>
        <source>You are the group owner. Transfer ownership or remove all members before deleting your account.</source>
        <translation>Sie sind Inhaber der Gruppe. Übertragen Sie die Inhaberschaft oder entfernen Sie alle Mitglieder, bevor Sie Ihr Benutzerkonto löschen.</translation>
    </message>
    <message>
        <source>This will schedule your account for permanent deletion after 30 days.

Type DELETE to confirm:</source>
        <translation>Ihr Benutzerkonto wird nach 30 Tagen endgültig gelöscht.

Geben Sie zur Bestätigung DELETE ein:</translation>
    </message>
    <message>
        <source>Failed to delete account.</source>
        <translation>Das Benutzerkonto konnte nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>Account Scheduled for Deletion</source>
        <translation>Löschung des Benutzerkontos vorgemerkt</translation>
    </message>
    <message>
        <source>Your account will be permanently deleted in 30 days. You can recover it by signing in before then.</source>
        <translation>Ihr Benutzerkonto wird in 30 Tagen endgültig gelöscht. Wenn Sie sich vorher anmelden, bleibt es erhalten.</translation>
    </message>
</context>
<context>
    <name>AccountProfilePage</name>
    <message>
        <source>Personal Information</source>
        <translation>Persönliche Angaben</translation>
    </message>
    <message>
        <source>(not set)</source>
        <translation>(nicht festgelegt)</translation>
    </message>
    <message>
        <source>Display name</source>
        <translation>Anzeigename</translation>
    </message>
    <message>
        <source>Edit Display Name</source>
        <translation>Anzeigenamen ändern</translation>
    </message>
    <message>
        <source>E-mail address</source>
        <translation>E-Mail-Adresse</translation>
    </message>
    <message>
        <source>Account Portal</source>
        <translation>Kontoportal</translation>
    </message>
    <message>
        <source>Billing, subscriptions and more are managed on the web.</source>
        <translation>Abrechnung, Abonnements und mehr verwalten Sie im Web.</translation>
    </message>
    <message>
        <source>Open Account Portal</source>
        <translation>Kontoportal öffnen</translation>
    </message>
    <message>
        <source>Display name:</source>
        <translation>Anzeigename:</translation>
    </message>
    <message>
        <source>Display name updated.</source>
        <translation>Anzeigename geändert.</translation>
    </message>
    <message>
        <source>Failed to update profile.</source>
        <translation>Das Profil konnte nicht aktualisiert werden.</translation>
    </message>
</context>
<context>
    <name>AccountScreen</name>
    <message>
        <source>Tindral Account</source>
        <translation>Tindral-Benutzerkonto</translation>
    </message>
    <message>
        <source>Account sections</source>
        <translation>Bereiche des Benutzerkontos</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Geräte</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Sicherheit</translation>
    </message>
    <message>
        <source>Data &amp; Privacy</source>
        <translation>Daten &amp; Datenschutz</translation>
    </message>
    <message>
        <source>Account section</source>
        <translation>Bereich des Benutzerkontos</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>Active now</source>
        <translation>Jetzt aktiv</translation>
    </message>
    <message>
        <source>%1m ago</source>
        <translation>vor %1 Min.</translation>
    </message>
    <message>
        <source>%1h ago</source>
        <translation>vor %1 Std.</translation>
    </message>
    <message>
        <source>%1d ago</source>
        <translation>vor %1 T.</translation>
    </message>
</context>
<context>
    <name>AccountSecurityPage</name>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Passwort ändern</translation>
    </message>
    <message>
        <source>Change your account password.</source>
        <translation>Ändern Sie das Passwort Ihres Benutzerkontos.</translation>
    </message>
    <message>
        <source>Active Sessions</source>
        <translation>Aktive Sitzungen</translation>
    </message>
    <message>
        <source>Sessions currently signed in to your account.</source>
        <translation>Sitzungen, die derzeit bei Ihrem Benutzerkonto angemeldet sind.</translation>
    </message>
    <message>
        <source>No active sessions.</source>
        <translation>Keine aktiven Sitzungen.</translation>
    </message>
    <message>
        <source>Unknown client</source>
        <translation>Unbekannter Client</translation>
    </message>
    <message>
        <source>This session</source>
        <translation>Diese Sitzung</translation>
    </message>
    <message>
        <source>  ·  %1</source>
        <translation>  ·  %1</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Aktuell</translation>
    </message>
    <message>
        <source>Revoke</source>
        <translation>Widerrufen</translation>
    </message>
    <message>
        <source>Revoke session %1</source>
        <translation>Sitzung %1 widerrufen</translation>
    </message>
    <message>
        <source>Session revoked.</source>
        <translation>Sitzung widerrufen.</translation>
    </message>
    <message>
        <source>Failed to revoke session.</source>
        <translation>Die Sitzung konnte nicht widerrufen werden.</translation>
    </message>
    <message>
        <source>Current password:</source>
        <translation>Aktuelles Passwort:</translation>
    </message>
    <message>
        <source>New password (min 8 characters):</source>
        <translation>Neues Passwort (mind. 8 Zeichen):</translation>
    </message>
    <message>
        <source>Password must be at least 8 characters.</source>
        <translation>Das Passwort muss mindestens 8 Zeichen lang sein.</translation>
    </message>
    <message>
        <source>Confirm new password:</source>
        <translation>Neues Passwort bestätigen:</translation>
    </message>
    <message>
        <source>Passwords do not match.</source>
        <translation>Die Passwörter stimmen nicht überein.</translation>
    </message>
    <message>
        <source>Password changed.</source>
        <translation>Passwort geändert.</translation>
    </message>
    <message>
        <source>Failed to change password.</source>
        <translation>Das Passwort konnte nicht geändert werden.</translation>
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
    <name>AccountSidebar</name>
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
    <message>
        <source>Updating your data for this version of %1...</source>
        <translation>Ihre Daten werden für diese Version von %1 aktualisiert...</translation>
    </message>
</context>
<context>
    <name>BackgroundJob</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Wird abgebrochen...</translation>
    </message>
    <message>
        <source>%1 rows done</source>
        <translation>%1 Zeilen erledigt</translation>
    </message>
</context>
<context>
    <name>BackupFlow</name>
    <message>
        <source>Replace all with backup data</source>
        <translation>Alles durch die Daten der Sicherung ersetzen</translation>
    </message>
    <message>
        <source>Keep newer (compare timestamps)</source>
        <translation>Neuere behalten (Zeitstempel vergleichen)</translation>
    </message>
    <message>
        <source>Skip existing items</source>
        <translation>Vorhandene Einträge überspringen</translation>
    </message>
    <message>
        <source>Import Mode</source>
        <translation>Importmodus</translation>
    </message>
    <message>
        <source>How should existing data be handled?</source>
        <translation>Wie sollen vorhandene Daten behandelt werden?</translation>
    </message>
    <message>
        <source>Replace Existing Data</source>
        <translation>Vorhandene Daten ersetzen</translation>
    </message>
    <message>
        <source>Every record in the backup replaces the record of the same id here, including changes made since the backup was written. Records that are not in the backup are kept.

Continue?</source>
        <translation>Jeder Datensatz der Sicherung ersetzt den hiesigen Datensatz mit derselben ID, auch wenn er seit der Sicherung geändert wurde. Datensätze, die nicht in der Sicherung enthalten sind, bleiben erhalten.

Fortfahren?</translation>
    </message>
    <message>
        <source>Export Backup</source>
        <translation>Sicherung exportieren</translation>
    </message>
    <message>
        <source>ZIP Files (*.zip)</source>
        <translation>ZIP-Dateien (*.zip)</translation>
    </message>
    <message>
        <source>Exporting backup...</source>
        <translation>Sicherung wird exportiert...</translation>
    </message>
    <message>
        <source>Backup Complete</source>
        <translation>Sicherung abgeschlossen</translation>
    </message>
    <message>
        <source>Backup saved to:
%1</source>
        <translation>Sicherung gespeichert unter:
%1</translation>
    </message>
    <message>
        <source>Could not write to:
%1

%2</source>
        <translation>Schreiben nicht möglich:
%1

%2</translation>
    </message>
    <message>
        <source>The backup could not be made: %1</source>
        <translation>Die Sicherung konnte nicht erstellt werden: %1</translation>
    </message>
    <message>
        <source>The database could not be opened for the backup.</source>
        <translation>Die Datenbank konnte für die Sicherung nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Backup Failed</source>
        <translation>Sicherung fehlgeschlagen</translation>
    </message>
    <message>
        <source>No backup file was written.</source>
        <translation>Es wurde keine Sicherungsdatei geschrieben.</translation>
    </message>
    <message>
        <source>Import Backup</source>
        <translation>Sicherung importieren</translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation>Import fehlgeschlagen</translation>
    </message>
    <message>
        <source>Could not read file.</source>
        <translation>Die Datei konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Restoring backup...</source>
        <translation>Sicherung wird wiederhergestellt...</translation>
    </message>
    <message>
        <source>The database could not be opened for the restore.</source>
        <translation>Die Datenbank konnte für die Wiederherstellung nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Nothing was restored.</source>
        <translation>Es wurde nichts wiederhergestellt.</translation>
    </message>
    <message>
        <source>Imported %1 items, skipped %2.</source>
        <translation>%1 Einträge importiert, %2 übersprungen.</translation>
    </message>
    <message numerus="yes">
        <source>%n error(s) occurred.</source>
        <translation>
            <numerusform>%n Fehler ist aufgetreten.</numerusform>
            <numerusform>%n Fehler sind aufgetreten.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) were left out: they come from a newer version of Tindral Quillon.</source>
        <translation>
            <numerusform>%n Datensatz wurde ausgelassen: Er stammt aus einer neueren Version von Tindral Quillon.</numerusform>
            <numerusform>%n Datensätze wurden ausgelassen: Sie stammen aus einer neueren Version von Tindral Quillon.</numerusform>
        </translation>
    </message>
    <message>
        <source>Import Complete</source>
        <translation>Import abgeschlossen</translation>
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
    <message>
        <source>The backup was cancelled</source>
        <translation>Die Sicherung wurde abgebrochen</translation>
    </message>
    <message>
        <source>The restore was cancelled; nothing was restored.</source>
        <translation>Die Wiederherstellung wurde abgebrochen; es wurde nichts wiederhergestellt.</translation>
    </message>
</context>
<context>
    <name>BudgetScreen</name>
    <message>
        <source>Budget</source>
        <translation>Budget</translation>
    </message>
    <message>
        <source>&lt; Previous</source>
        <translation>&lt; Zurück</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Vorheriger Monat</translation>
    </message>
    <message>
        <source>Previous month (Alt+Left)</source>
        <translation>Vorheriger Monat (Alt+Left)</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>Weiter &gt;</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Nächster Monat</translation>
    </message>
    <message>
        <source>Next month (Alt+Right)</source>
        <translation>Nächster Monat (Alt+Right)</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Co&amp;py Last Month</source>
        <translation>Vormonat &amp;kopieren</translation>
    </message>
    <message>
        <source>Copy last month&apos;s budgets</source>
        <translation>Budgets des Vormonats kopieren</translation>
    </message>
    <message>
        <source>Fill from &amp;Average</source>
        <translation>Aus &amp;Durchschnitt füllen</translation>
    </message>
    <message>
        <source>Fill from the average of the last three months</source>
        <translation>Aus dem Durchschnitt der letzten drei Monate füllen</translation>
    </message>
    <message>
        <source>Budget by category</source>
        <translation>Budget nach Kategorie</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Carried In</source>
        <translation>Übertrag</translation>
    </message>
    <message>
        <source>Spent</source>
        <translation>Ausgegeben</translation>
    </message>
    <message>
        <source>Remaining</source>
        <translation>Verbleibend</translation>
    </message>
    <message>
        <source>Used</source>
        <translation>Verbraucht</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Summen</translation>
    </message>
    <message>
        <source>Budget amount</source>
        <translation>Budgetbetrag</translation>
    </message>
    <message>
        <source>&amp;Roll over what is left</source>
        <translation>&amp;Rest übertragen</translation>
    </message>
    <message>
        <source>Roll over what is left into the next month</source>
        <translation>Den Rest in den nächsten Monat übertragen</translation>
    </message>
    <message>
        <source>&amp;Set Budget</source>
        <translation>Budget &amp;festlegen</translation>
    </message>
    <message>
        <source>Set budget</source>
        <translation>Budget festlegen</translation>
    </message>
    <message>
        <source>C&amp;lear Budget</source>
        <translation>Budget &amp;löschen</translation>
    </message>
    <message>
        <source>Clear budget</source>
        <translation>Budget löschen</translation>
    </message>
    <message>
        <source>Alt+Left</source>
        <translation>Alt+Left</translation>
    </message>
    <message>
        <source>Alt+Right</source>
        <translation>Alt+Right</translation>
    </message>
    <message>
        <source> (sum)</source>
        <translation> (Summe)</translation>
    </message>
    <message>
        <source>%1: %2% of the budget used</source>
        <translation>%1: %2% des Budgets verbraucht</translation>
    </message>
    <message>
        <source>Budget %1 · Carried in %2 · Spent %3 · Remaining %4</source>
        <translation>Budget %1 · Übertrag %2 · Ausgegeben %3 · Verbleibend %4</translation>
    </message>
    <message>
        <source>&amp;Budget:</source>
        <translation>&amp;Budget:</translation>
    </message>
    <message>
        <source>&amp;Budget for %1:</source>
        <translation>&amp;Budget für %1:</translation>
    </message>
    <message>
        <source>The budgets could not be saved.</source>
        <translation>Die Budgets konnten nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>The month keeps its previous budgets.</source>
        <translation>Der Monat behält seine bisherigen Budgets.</translation>
    </message>
    <message>
        <source>Set Budget</source>
        <translation>Budget festlegen</translation>
    </message>
    <message>
        <source>Clear Budget</source>
        <translation>Budget löschen</translation>
    </message>
    <message>
        <source>Copy Last Month</source>
        <translation>Vormonat kopieren</translation>
    </message>
    <message>
        <source>Fill from Average</source>
        <translation>Aus Durchschnitt füllen</translation>
    </message>
</context>
<context>
    <name>BudgetService</name>
    <message>
        <source>Copy Budgets from Last Month</source>
        <translation>Budgets aus dem Vormonat kopieren</translation>
    </message>
    <message>
        <source>Fill Budgets from Average</source>
        <translation>Budgets aus dem Durchschnitt füllen</translation>
    </message>
</context>
<context>
    <name>CategoriesScreen</name>
    <message>
        <source>+ New Category</source>
        <translation>+ Neue Kategorie</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Kategorien</translation>
    </message>
    <message>
        <source>New Category</source>
        <translation>Neue Kategorie</translation>
    </message>
    <message>
        <source>Category tree</source>
        <translation>Kategorienbaum</translation>
    </message>
    <message>
        <source>Category name:</source>
        <translation>Name der Kategorie:</translation>
    </message>
    <message>
        <source>The category could not be created.</source>
        <translation>Die Kategorie konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Nothing was added; your categories are unchanged.</source>
        <translation>Es wurde nichts hinzugefügt; Ihre Kategorien sind unverändert.</translation>
    </message>
    <message>
        <source>Edit Category</source>
        <translation>Kategorie bearbeiten</translation>
    </message>
    <message>
        <source>The category could not be renamed.</source>
        <translation>Die Kategorie konnte nicht umbenannt werden.</translation>
    </message>
    <message>
        <source>It keeps its previous name.</source>
        <translation>Sie behält ihren bisherigen Namen.</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;?</source>
        <translation>„%1“ löschen?</translation>
    </message>
    <message numerus="yes">
        <source>%n transaction(s) using this category will become uncategorized.</source>
        <translation>
            <numerusform>%n Buchung mit dieser Kategorie wird keiner Kategorie mehr zugeordnet sein.</numerusform>
            <numerusform>%n Buchungen mit dieser Kategorie werden keiner Kategorie mehr zugeordnet sein.</numerusform>
        </translation>
    </message>
    <message>
        <source>No transactions use this category.</source>
        <translation>Keine Buchung verwendet diese Kategorie.</translation>
    </message>
    <message>
        <source>Its sub-categories will move to the top level.</source>
        <translation>Ihre Unterkategorien rücken auf die oberste Ebene.</translation>
    </message>
    <message>
        <source>Delete Category</source>
        <translation>Kategorie löschen</translation>
    </message>
    <message>
        <source>The category could not be deleted.</source>
        <translation>Die Kategorie konnte nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>Nothing was changed: the category and its transactions are as they were.</source>
        <translation>Es wurde nichts geändert: Die Kategorie und ihre Buchungen sind unverändert.</translation>
    </message>
    <message>
        <source>Category actions</source>
        <translation>Kategorieaktionen</translation>
    </message>
    <message>
        <source>&amp;New Category</source>
        <translation>&amp;Neue Kategorie</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
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
    <name>CategoryTreeModel</name>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Tax Code</source>
        <translation>Steuerschlüssel</translation>
    </message>
    <message>
        <source>Charitable contributions</source>
        <translation>Spenden</translation>
    </message>
    <message>
        <source>Medical and dental</source>
        <translation>Krankheits- und Zahnarztkosten</translation>
    </message>
    <message>
        <source>Business expense</source>
        <translation>Betriebsausgabe</translation>
    </message>
    <message>
        <source>Home office</source>
        <translation>Arbeitszimmer</translation>
    </message>
    <message>
        <source>Education</source>
        <translation>Bildung</translation>
    </message>
    <message>
        <source>State and local taxes</source>
        <translation>Landes- und Kommunalsteuern</translation>
    </message>
    <message>
        <source>Mortgage interest</source>
        <translation>Hypothekenzinsen</translation>
    </message>
    <message>
        <source>Property tax</source>
        <translation>Grundsteuer</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Einnahme</translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation>Umbuchung</translation>
    </message>
    <message>
        <source>Expense</source>
        <translation>Ausgabe</translation>
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
    <name>EntryWriter</name>
    <message>
        <source>New Transaction</source>
        <translation>Neue Buchung</translation>
    </message>
    <message>
        <source>Edit Transaction</source>
        <translation>Buchung bearbeiten</translation>
    </message>
    <message>
        <source>Mark Cleared</source>
        <translation>Als gebucht markieren</translation>
    </message>
    <message>
        <source>Mark Uncleared</source>
        <translation>Als nicht gebucht markieren</translation>
    </message>
    <message>
        <source>Split Transaction</source>
        <translation>Buchung aufteilen</translation>
    </message>
    <message>
        <source>Memorize Transaction</source>
        <translation>Buchung merken</translation>
    </message>
</context>
<context>
    <name>HelpMenuActions</name>
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
        <source>Save transaction</source>
        <translation>Buchung speichern</translation>
    </message>
    <message>
        <source>Insert new transaction</source>
        <translation>Neue Buchung einfügen</translation>
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
        <source>Accounts</source>
        <translation>Konten</translation>
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
        <source>Tindral Quillon</source>
        <translation>Tindral Quillon</translation>
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
    <name>ImportColumnMapping</name>
    <message>
        <source>CSV Column Mapping:</source>
        <translation>Zuordnung der CSV-Spalten:</translation>
    </message>
    <message>
        <source>Date column:</source>
        <translation>Spalte für Datum:</translation>
    </message>
    <message>
        <source>Date column</source>
        <translation>Spalte für Datum</translation>
    </message>
    <message>
        <source>Payee column:</source>
        <translation>Spalte für Empfänger:</translation>
    </message>
    <message>
        <source>Payee column</source>
        <translation>Spalte für Empfänger</translation>
    </message>
    <message>
        <source>Amount column:</source>
        <translation>Spalte für Betrag:</translation>
    </message>
    <message>
        <source>Amount column</source>
        <translation>Spalte für Betrag</translation>
    </message>
    <message>
        <source>Memo column:</source>
        <translation>Spalte für Notiz:</translation>
    </message>
    <message>
        <source>Memo column</source>
        <translation>Spalte für Notiz</translation>
    </message>
    <message>
        <source>Category column:</source>
        <translation>Spalte für Kategorie:</translation>
    </message>
    <message>
        <source>Category column</source>
        <translation>Spalte für Kategorie</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>Date format</source>
        <translation>Datumsformat</translation>
    </message>
    <message>
        <source>Date format:</source>
        <translation>Datumsformat:</translation>
    </message>
    <message>
        <source>First row is header</source>
        <translation>Erste Zeile ist Kopfzeile</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>Col %1: %2</source>
        <translation>Sp. %1: %2</translation>
    </message>
</context>
<context>
    <name>ImportResultPage</name>
    <message>
        <source>Import result</source>
        <translation>Ergebnis des Imports</translation>
    </message>
    <message>
        <source>Rows not imported</source>
        <translation>Nicht importierte Zeilen</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
</context>
<context>
    <name>ImportScreen</name>
    <message>
        <source>Import Transactions</source>
        <translation>Buchungen importieren</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>&amp;Account:</source>
        <translation>&amp;Konto:</translation>
    </message>
    <message>
        <source>No file selected</source>
        <translation>Keine Datei ausgewählt</translation>
    </message>
    <message>
        <source>Chosen file</source>
        <translation>Gewählte Datei</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Durchsuchen...</translation>
    </message>
    <message>
        <source>Browse for a file</source>
        <translation>Nach einer Datei suchen</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Datei:</translation>
    </message>
    <message>
        <source>QIF files carry their own dates, payees and amounts: no column mapping is needed.</source>
        <translation>QIF-Dateien enthalten Datum, Empfänger und Betrag selbst: Eine Spaltenzuordnung ist nicht nötig.</translation>
    </message>
    <message>
        <source>Preview of the file</source>
        <translation>Vorschau der Datei</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Select File</source>
        <translation>Datei auswählen</translation>
    </message>
    <message>
        <source>The file could not be read: %1</source>
        <translation>Die Datei konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Col %1</source>
        <translation>Sp. %1</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Empfänger</translation>
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
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>(unreadable)</source>
        <translation>(nicht lesbar)</translation>
    </message>
    <message>
        <source>Importing transactions...</source>
        <translation>Buchungen werden importiert...</translation>
    </message>
    <message>
        <source>Import cancelled.

Nothing was imported.</source>
        <translation>Import abgebrochen.

Es wurde nichts importiert.</translation>
    </message>
    <message>
        <source>The database could not be opened for the import.</source>
        <translation>Die Datenbank konnte für den Import nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Import failed.

%1

Nothing was imported.</source>
        <translation>Import fehlgeschlagen.

%1

Es wurde nichts importiert.</translation>
    </message>
    <message>
        <source>Statement account</source>
        <translation>Konto des Auszugs</translation>
    </message>
    <message>
        <source>Create the statement&apos;s account</source>
        <translation>Das Konto des Auszugs anlegen</translation>
    </message>
    <message>
        <source>Bank Files (*.csv *.qif *.ofx *.qfx *.xml);;CSV Files (*.csv);;QIF Files (*.qif);;OFX and QFX Files (*.ofx *.qfx);;CAMT.053 Statements (*.xml);;All Files (*)</source>
        <translation>Bankdateien (*.csv *.qif *.ofx *.qfx *.xml);;CSV-Dateien (*.csv);;QIF-Dateien (*.qif);;OFX- und QFX-Dateien (*.ofx *.qfx);;CAMT.053-Auszüge (*.xml);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Bank statements (OFX, QFX, CAMT.053) carry their own dates, payees and amounts: no column mapping is needed.</source>
        <translation>Kontoauszüge (OFX, QFX, CAMT.053) bringen Datum, Empfänger und Betrag selbst mit: keine Spaltenzuordnung nötig.</translation>
    </message>
    <message>
        <source>The statement is for account %1: %2 is chosen.</source>
        <translation>Der Auszug gehört zum Konto %1: %2 ist gewählt.</translation>
    </message>
    <message>
        <source>The statement is for account %1, which none of your accounts is.</source>
        <translation>Der Auszug gehört zum Konto %1, das keines Ihrer Konten ist.</translation>
    </message>
    <message>
        <source>Create Account %1</source>
        <translation>Konto %1 anlegen</translation>
    </message>
    <message>
        <source>Account %1</source>
        <translation>Konto %1</translation>
    </message>
    <message>
        <source>The account could not be created.</source>
        <translation>Das Konto konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>After Rules</source>
        <translation>Nach den Regeln</translation>
    </message>
    <message numerus="yes">
        <source>%n linked as transfers to rows in other accounts</source>
        <translation>
            <numerusform>%n als Umbuchung mit einer Buchung in einem anderen Konto verknüpft</numerusform>
            <numerusform>%n als Umbuchungen mit Buchungen in anderen Konten verknüpft</numerusform>
        </translation>
    </message>
    <message>
        <source>Bank&apos;s ledger balance %1 on %2: %3
Account balance after import: %4</source>
        <translation>Buchungssaldo der Bank %1 am %2: %3
Kontostand nach dem Import: %4</translation>
    </message>
    <message>
        <source>Import complete!</source>
        <translation>Import abgeschlossen!</translation>
    </message>
    <message numerus="yes">
        <source>%n transaction(s) imported</source>
        <translation>
            <numerusform>%n Buchung importiert</numerusform>
            <numerusform>%n Buchungen importiert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n duplicate(s) skipped</source>
        <translation>
            <numerusform>%n Duplikat übersprungen</numerusform>
            <numerusform>%n Duplikate übersprungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) could not be read or stored:</source>
        <translation>
            <numerusform>%n Zeile konnte nicht gelesen oder gespeichert werden:</numerusform>
            <numerusform>%n Zeilen konnten nicht gelesen oder gespeichert werden:</numerusform>
        </translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>… and %n more row(s)</source>
        <translation>
            <numerusform>… und %n weitere Zeile</numerusform>
            <numerusform>… und %n weitere Zeilen</numerusform>
        </translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
</context>
<context>
    <name>ImportService</name>
    <message>
        <source>Its category &quot;%1&quot; could not be created</source>
        <translation>Seine Kategorie „%1“ konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>The database refused it: %1</source>
        <translation>Die Datenbank hat sie abgelehnt: %1</translation>
    </message>
    <message numerus="yes">
        <source>It has %n column(s), fewer than the columns chosen</source>
        <translation>
            <numerusform>Sie hat %n Spalte, weniger als die gewählten Spalten</numerusform>
            <numerusform>Sie hat %n Spalten, weniger als die gewählten Spalten</numerusform>
        </translation>
    </message>
    <message>
        <source>The date &quot;%1&quot; cannot be read as %2</source>
        <translation>Das Datum „%1“ lässt sich nicht als %2 lesen</translation>
    </message>
    <message>
        <source>The amount &quot;%1&quot; cannot be read</source>
        <translation>Der Betrag „%1“ lässt sich nicht lesen</translation>
    </message>
    <message>
        <source>The date is missing or cannot be read</source>
        <translation>Das Datum fehlt oder lässt sich nicht lesen</translation>
    </message>
    <message>
        <source>The amount cannot be read</source>
        <translation>Der Betrag lässt sich nicht lesen</translation>
    </message>
    <message>
        <source>no number</source>
        <translation>keine Nummer</translation>
    </message>
    <message>
        <source>The file holds statements of several accounts (%1). Enter the last four digits of this account&apos;s number in its settings to import its statement alone. Nothing was imported.</source>
        <translation>Die Datei enthält Auszüge mehrerer Konten (%1). Geben Sie in den Einstellungen dieses Kontos die letzten vier Ziffern seiner Nummer ein, um nur seinen Auszug zu importieren. Es wurde nichts importiert.</translation>
    </message>
    <message>
        <source>The file holds statements of several accounts (%1) and none of them ends in this account&apos;s last four digits, %2. Nothing was imported.</source>
        <translation>Die Datei enthält Auszüge mehrerer Konten (%1), und keines endet auf die letzten vier Ziffern dieses Kontos, %2. Es wurde nichts importiert.</translation>
    </message>
    <message>
        <source>The file holds statements of several accounts (%1) and more than one ends in this account&apos;s last four digits, %2. Nothing was imported.</source>
        <translation>Die Datei enthält Auszüge mehrerer Konten (%1), und mehr als eines endet auf die letzten vier Ziffern dieses Kontos, %2. Es wurde nichts importiert.</translation>
    </message>
    <message numerus="yes">
        <source>Import of %n Transaction(s)</source>
        <translation>
            <numerusform>Import von %n Buchung</numerusform>
            <numerusform>Import von %n Buchungen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LedgerWriter</name>
    <message>
        <source>New Account</source>
        <translation>Neues Konto</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>Konto bearbeiten</translation>
    </message>
    <message>
        <source>New Transaction</source>
        <translation>Neue Buchung</translation>
    </message>
    <message>
        <source>Edit Transaction</source>
        <translation>Buchung bearbeiten</translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation>Buchung löschen</translation>
    </message>
    <message>
        <source>Delete Account</source>
        <translation>Konto löschen</translation>
    </message>
    <message>
        <source>Restore Account</source>
        <translation>Konto wiederherstellen</translation>
    </message>
    <message>
        <source>Delete Category</source>
        <translation>Kategorie löschen</translation>
    </message>
    <message>
        <source>Split Transaction</source>
        <translation>Buchung aufteilen</translation>
    </message>
    <message>
        <source>New Recurring Transaction</source>
        <translation>Neue wiederkehrende Buchung</translation>
    </message>
    <message>
        <source>Edit Recurring Transaction</source>
        <translation>Wiederkehrende Buchung bearbeiten</translation>
    </message>
    <message>
        <source>Delete Recurring Transaction</source>
        <translation>Wiederkehrende Buchung löschen</translation>
    </message>
    <message>
        <source>New Category</source>
        <translation>Neue Kategorie</translation>
    </message>
    <message>
        <source>Rename Category</source>
        <translation>Kategorie umbenennen</translation>
    </message>
    <message>
        <source>Merge Payees</source>
        <translation>Empfänger zusammenführen</translation>
    </message>
    <message>
        <source>Rename Payee</source>
        <translation>Empfänger umbenennen</translation>
    </message>
    <message>
        <source>Set Budget</source>
        <translation>Budget festlegen</translation>
    </message>
    <message>
        <source>Clear Budget</source>
        <translation>Budget löschen</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
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
        <source>New transaction</source>
        <translation>Neue Buchung</translation>
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
        <source>New account</source>
        <translation>Neues Konto</translation>
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
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Import &amp;Rules...</source>
        <translation>Import&amp;regeln...</translation>
    </message>
    <message>
        <source>&amp;Tindral Account...</source>
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
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Z</source>
        <translation>Ctrl+Shift+Z</translation>
    </message>
    <message>
        <source>Ctrl+Y</source>
        <translation>Ctrl+Y</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Suchen...</translation>
    </message>
    <message>
        <source>Search transactions</source>
        <translation>Buchungen durchsuchen</translation>
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
        <source>Reconcile account</source>
        <translation>Konto abgleichen</translation>
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
        <source>Reports</source>
        <translation>Berichte</translation>
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
        <source>Recurring transactions</source>
        <translation>Wiederkehrende Buchungen</translation>
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
        <source>Categories</source>
        <translation>Kategorien</translation>
    </message>
    <message>
        <source>&amp;Budget</source>
        <translation>B&amp;udget</translation>
    </message>
    <message>
        <source>Ctrl+5</source>
        <translation>Ctrl+5</translation>
    </message>
    <message>
        <source>Budget</source>
        <translation>Budget</translation>
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
        <source>Select an account first</source>
        <translation>Wählen Sie zuerst ein Konto aus</translation>
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
        <source>Not signed in</source>
        <translation>Nicht angemeldet</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Berichte</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Kategorien</translation>
    </message>
    <message>
        <source>Recurring Transactions</source>
        <translation>Wiederkehrende Buchungen</translation>
    </message>
    <message>
        <source>Search Transactions</source>
        <translation>Buchungen suchen</translation>
    </message>
    <message>
        <source>That transaction no longer exists</source>
        <translation>Diese Buchung existiert nicht mehr</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Reconciliation History</source>
        <translation>Abgleichsverlauf</translation>
    </message>
    <message>
        <source>No Accounts</source>
        <translation>Keine Konten</translation>
    </message>
    <message>
        <source>You need to create an account before importing transactions. Create one now?</source>
        <translation>Vor dem Import von Buchungen müssen Sie ein Konto anlegen. Jetzt anlegen?</translation>
    </message>
    <message>
        <source>Import Transactions</source>
        <translation>Buchungen importieren</translation>
    </message>
    <message>
        <source>Payee Management</source>
        <translation>Empfänger verwalten</translation>
    </message>
    <message>
        <source>Tindral Account</source>
        <translation>Tindral-Benutzerkonto</translation>
    </message>
    <message>
        <source>Import Rules</source>
        <translation>Importregeln</translation>
    </message>
    <message>
        <source>Budget</source>
        <translation>Budget</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederholen: %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Your books were left as they are.</source>
        <translation>Ihre Bücher bleiben unverändert.</translation>
    </message>
</context>
<context>
    <name>PayeeMemoEditor</name>
    <message>
        <source>Payee</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Notiz</translation>
    </message>
</context>
<context>
    <name>PayeeScreen</name>
    <message>
        <source>Rename Selected</source>
        <translation>Auswahl umbenennen</translation>
    </message>
    <message>
        <source>Merge Selected</source>
        <translation>Auswahl zusammenführen</translation>
    </message>
    <message>
        <source>Payee Management</source>
        <translation>Empfänger verwalten</translation>
    </message>
    <message>
        <source>Payees</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>Rename to:</source>
        <translation>Umbenennen in:</translation>
    </message>
    <message>
        <source>Rename to</source>
        <translation>Umbenennen in</translation>
    </message>
    <message>
        <source>Rename Payees</source>
        <translation>Empfänger umbenennen</translation>
    </message>
    <message>
        <source>The payees could not be renamed.</source>
        <translation>Die Empfänger konnten nicht umbenannt werden.</translation>
    </message>
    <message>
        <source>Nothing was changed; every transaction keeps its payee.</source>
        <translation>Es wurde nichts geändert; alle Buchungen behalten ihren Empfänger.</translation>
    </message>
    <message>
        <source>Rename Complete</source>
        <translation>Umbenennung abgeschlossen</translation>
    </message>
    <message numerus="yes">
        <source>Renamed %n transaction(s).</source>
        <translation>
            <numerusform>%n Buchung umbenannt.</numerusform>
            <numerusform>%n Buchungen umbenannt.</numerusform>
        </translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Zusammenführen</translation>
    </message>
    <message>
        <source>Select 2 or more payees to merge.</source>
        <translation>Wählen Sie zum Zusammenführen mindestens 2 Empfänger aus.</translation>
    </message>
    <message>
        <source>Merge Payees</source>
        <translation>Empfänger zusammenführen</translation>
    </message>
    <message>
        <source>Merge %1 payees into &quot;%2&quot;?</source>
        <translation>%1 Empfänger zu „%2“ zusammenführen?</translation>
    </message>
    <message>
        <source>Merge Complete</source>
        <translation>Zusammenführung abgeschlossen</translation>
    </message>
    <message numerus="yes">
        <source>Merged %n transaction(s).</source>
        <translation>
            <numerusform>%n Buchung zusammengeführt.</numerusform>
            <numerusform>%n Buchungen zusammengeführt.</numerusform>
        </translation>
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
    <name>ReconciliationHistoryScreen</name>
    <message>
        <source>Reconciliation History</source>
        <translation>Abgleichsverlauf</translation>
    </message>
    <message>
        <source>No reconciliations yet. Reconcile your account from the register to see the history here.</source>
        <translation>Noch keine Abgleiche. Gleichen Sie Ihr Konto in der Umsatzliste ab, dann erscheint hier der Verlauf.</translation>
    </message>
    <message>
        <source>Past reconciliations for this account.</source>
        <translation>Frühere Abgleiche dieses Kontos.</translation>
    </message>
    <message>
        <source>Statement Date</source>
        <translation>Datum des Kontoauszugs</translation>
    </message>
    <message>
        <source>Statement Balance</source>
        <translation>Saldo laut Kontoauszug</translation>
    </message>
    <message>
        <source>Reconciled Balance</source>
        <translation>Abgeglichener Saldo</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Abgeschlossen am</translation>
    </message>
    <message>
        <source>Past reconciliations</source>
        <translation>Frühere Abgleiche</translation>
    </message>
    <message>
        <source>No reconciliations</source>
        <translation>Keine Abgleiche</translation>
    </message>
    <message>
        <source>Reconciliation History — %1</source>
        <translation>Abgleichsverlauf — %1</translation>
    </message>
</context>
<context>
    <name>ReconciliationModel</name>
    <message>
        <source>Ticked</source>
        <translation>Abgehakt</translation>
    </message>
    <message>
        <source>Not ticked</source>
        <translation>Nicht abgehakt</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>Geb.</translation>
    </message>
</context>
<context>
    <name>ReconciliationScreen</name>
    <message>
        <source>Finish Reconciliation</source>
        <translation>Abgleich abschließen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Add Transaction</source>
        <translation>Buchung hinzufügen</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Reconcile Account</source>
        <translation>Konto abgleichen</translation>
    </message>
    <message>
        <source>Statement Date:</source>
        <translation>Datum des Kontoauszugs:</translation>
    </message>
    <message>
        <source>Statement date</source>
        <translation>Datum des Kontoauszugs</translation>
    </message>
    <message>
        <source>Statement Balance:</source>
        <translation>Saldo laut Kontoauszug:</translation>
    </message>
    <message>
        <source>Statement balance</source>
        <translation>Saldo laut Kontoauszug</translation>
    </message>
    <message>
        <source>Unreconciled transactions</source>
        <translation>Nicht abgeglichene Buchungen</translation>
    </message>
    <message>
        <source>Edit selected transaction (F2)</source>
        <translation>Ausgewählte Buchung bearbeiten (F2)</translation>
    </message>
    <message>
        <source>Edit transaction</source>
        <translation>Buchung bearbeiten</translation>
    </message>
    <message>
        <source>Delete transaction</source>
        <translation>Buchung löschen</translation>
    </message>
    <message>
        <source>Space, C or R: tick the current row</source>
        <translation>Leertaste, C oder R: aktuelle Zeile abhaken</translation>
    </message>
    <message>
        <source>Previous Balance</source>
        <translation>Vorheriger Saldo</translation>
    </message>
    <message>
        <source>Previous balance</source>
        <translation>Vorheriger Saldo</translation>
    </message>
    <message>
        <source>Cleared Deposits</source>
        <translation>Gebuchte Einnahmen</translation>
    </message>
    <message>
        <source>Cleared deposits</source>
        <translation>Gebuchte Einnahmen</translation>
    </message>
    <message>
        <source>Cleared Withdrawals</source>
        <translation>Gebuchte Ausgaben</translation>
    </message>
    <message>
        <source>Cleared withdrawals</source>
        <translation>Gebuchte Ausgaben</translation>
    </message>
    <message>
        <source>Cleared Balance</source>
        <translation>Gebuchter Saldo</translation>
    </message>
    <message>
        <source>Cleared balance</source>
        <translation>Gebuchter Saldo</translation>
    </message>
    <message>
        <source>Statement Balance</source>
        <translation>Saldo laut Kontoauszug</translation>
    </message>
    <message>
        <source>Statement balance total</source>
        <translation>Saldo laut Kontoauszug gesamt</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Differenz</translation>
    </message>
    <message>
        <source>Cancel reconciliation</source>
        <translation>Abgleich abbrechen</translation>
    </message>
    <message>
        <source>Reconciliation Complete</source>
        <translation>Abgleich abgeschlossen</translation>
    </message>
    <message>
        <source>Account reconciled successfully.</source>
        <translation>Das Konto wurde erfolgreich abgeglichen.</translation>
    </message>
    <message>
        <source>Transactions Changed</source>
        <translation>Buchungen geändert</translation>
    </message>
    <message numerus="yes">
        <source>%n ticked transaction(s) changed since the list was shown. The list now shows them as they are stored; check the difference and finish again.</source>
        <translation>
            <numerusform>%n abgehakte Buchung wurde geändert, seit die Liste angezeigt wurde. Die Liste zeigt sie jetzt so, wie sie gespeichert ist; prüfen Sie die Differenz und schließen Sie erneut ab.</numerusform>
            <numerusform>%n abgehakte Buchungen wurden geändert, seit die Liste angezeigt wurde. Die Liste zeigt sie jetzt so, wie sie gespeichert sind; prüfen Sie die Differenz und schließen Sie erneut ab.</numerusform>
        </translation>
    </message>
    <message>
        <source>The stored transactions no longer add up to the statement balance (a ticked transaction was deleted or changed elsewhere). The list has been reloaded; check the difference and finish again.</source>
        <translation>Die gespeicherten Buchungen ergeben nicht mehr den Saldo laut Kontoauszug (eine abgehakte Buchung wurde an anderer Stelle gelöscht oder geändert). Die Liste wurde neu geladen; prüfen Sie die Differenz und schließen Sie erneut ab.</translation>
    </message>
    <message>
        <source>This account no longer exists.</source>
        <translation>Dieses Konto existiert nicht mehr.</translation>
    </message>
    <message>
        <source>Nothing was recorded.</source>
        <translation>Es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>The reconciliation could not be saved.</source>
        <translation>Der Abgleich konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>No transaction was marked reconciled and your ticks are kept; you can finish again.</source>
        <translation>Keine Buchung wurde als abgeglichen markiert, und Ihre Häkchen bleiben erhalten; Sie können erneut abschließen.</translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation>Buchung löschen</translation>
    </message>
    <message>
        <source>Delete the transaction for %1?</source>
        <translation>Die Buchung an %1 löschen?</translation>
    </message>
    <message>
        <source>This transaction was already deleted elsewhere.</source>
        <translation>Diese Buchung wurde bereits an anderer Stelle gelöscht.</translation>
    </message>
    <message>
        <source>The transaction could not be deleted.</source>
        <translation>Die Buchung konnte nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>It is still in the account.</source>
        <translation>Sie ist weiterhin im Konto.</translation>
    </message>
    <message>
        <source>Add a transaction (%1)</source>
        <translation>Buchung hinzufügen (%1)</translation>
    </message>
    <message>
        <source>Delete selected transaction (%1)</source>
        <translation>Ausgewählte Buchung löschen (%1)</translation>
    </message>
</context>
<context>
    <name>ReconciliationService</name>
    <message>
        <source>Finish Reconciliation</source>
        <translation>Abgleich abschließen</translation>
    </message>
</context>
<context>
    <name>ReconciliationWindows</name>
    <message>
        <source>Reconcile — %1</source>
        <translation>Abgleichen — %1</translation>
    </message>
    <message>
        <source>Edit Transaction</source>
        <translation>Buchung bearbeiten</translation>
    </message>
    <message>
        <source>This transaction no longer exists.</source>
        <translation>Diese Buchung gibt es nicht mehr.</translation>
    </message>
    <message>
        <source>The account named after [Transfer] does not exist.</source>
        <translation>Das nach [Transfer] genannte Konto gibt es nicht.</translation>
    </message>
    <message>
        <source>A transfer needs another account.</source>
        <translation>Eine Umbuchung braucht ein anderes Konto.</translation>
    </message>
    <message>
        <source>The transaction was deleted meanwhile.</source>
        <translation>Die Buchung wurde inzwischen gelöscht.</translation>
    </message>
    <message>
        <source>An existing transaction cannot become a transfer; delete it and enter the transfer as a new transaction.</source>
        <translation>Eine bestehende Buchung kann keine Umbuchung werden; löschen Sie sie und erfassen Sie die Umbuchung als neue Buchung.</translation>
    </message>
    <message>
        <source>The other side of the transfer is reconciled.</source>
        <translation>Die Gegenseite der Umbuchung ist abgeglichen.</translation>
    </message>
    <message>
        <source>Nothing was stored.</source>
        <translation>Es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>The transaction could not be saved.</source>
        <translation>Die Buchung konnte nicht gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>RecurringFormDialog</name>
    <message>
        <source>New Recurring Transaction</source>
        <translation>Neue wiederkehrende Buchung</translation>
    </message>
    <message>
        <source>Edit Recurring Transaction</source>
        <translation>Wiederkehrende Buchung bearbeiten</translation>
    </message>
    <message>
        <source>Memorize Transaction</source>
        <translation>Buchung merken</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Konto:</translation>
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
        <source>Type:</source>
        <translation>Art:</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>Start typing to search payees...</source>
        <translation>Tippen Sie, um Empfänger zu suchen...</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>Empfänger:</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Betrag:</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Kategorie:</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Optional</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>Notiz:</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Häufigkeit</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Täglich</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Wöchentlich</translation>
    </message>
    <message>
        <source>Bi-weekly</source>
        <translation>Alle zwei Wochen</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Monatlich</translation>
    </message>
    <message>
        <source>Quarterly</source>
        <translation>Vierteljährlich</translation>
    </message>
    <message>
        <source>Semi-annual</source>
        <translation>Halbjährlich</translation>
    </message>
    <message>
        <source>Annual</source>
        <translation>Jährlich</translation>
    </message>
    <message>
        <source>Frequency:</source>
        <translation>Häufigkeit:</translation>
    </message>
    <message>
        <source>Start date</source>
        <translation>Startdatum</translation>
    </message>
    <message>
        <source>Start Date:</source>
        <translation>Startdatum:</translation>
    </message>
    <message>
        <source>Next due date</source>
        <translation>Nächste Fälligkeit</translation>
    </message>
    <message>
        <source>The next occurrence to confirm or post</source>
        <translation>Die nächste Ausführung, die bestätigt oder gebucht wird</translation>
    </message>
    <message>
        <source>Next Due:</source>
        <translation>Nächste Fälligkeit:</translation>
    </message>
    <message>
        <source>Has end date</source>
        <translation>Hat ein Enddatum</translation>
    </message>
    <message>
        <source>End date</source>
        <translation>Enddatum</translation>
    </message>
    <message>
        <source>End Date:</source>
        <translation>Enddatum:</translation>
    </message>
    <message>
        <source>Auto-post when due</source>
        <translation>Bei Fälligkeit automatisch buchen</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>Form problem</source>
        <translation>Problem im Formular</translation>
    </message>
    <message>
        <source>Choose an account; create one first if there is none.</source>
        <translation>Wählen Sie ein Konto; legen Sie zuerst eines an, falls es keines gibt.</translation>
    </message>
    <message>
        <source>Payee is required.</source>
        <translation>Bitte einen Empfänger angeben.</translation>
    </message>
    <message>
        <source>A transfer cannot go to the account it comes from.</source>
        <translation>Eine Umbuchung kann nicht auf das Konto gehen, von dem sie kommt.</translation>
    </message>
    <message>
        <source>The next due date must be after %1, the date of the memorized transaction.</source>
        <translation>Die nächste Fälligkeit muss nach dem %1 liegen, dem Datum der gemerkten Buchung.</translation>
    </message>
    <message>
        <source>The next due date must be after %1: the occurrences up to then were posted already.</source>
        <translation>Die nächste Fälligkeit muss nach dem %1 liegen: Bis dahin wurde bereits gebucht.</translation>
    </message>
    <message>
        <source>The end date is before the next due date, so nothing would ever be posted.</source>
        <translation>Das Enddatum liegt vor der nächsten Fälligkeit; es würde also nie etwas gebucht.</translation>
    </message>
</context>
<context>
    <name>RecurringModel</name>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Inaktiv</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Häufigkeit</translation>
    </message>
    <message>
        <source>Next Due</source>
        <translation>Nächste Fälligkeit</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Autom.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Täglich</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Wöchentlich</translation>
    </message>
    <message>
        <source>Bi-weekly</source>
        <translation>Alle zwei Wochen</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Monatlich</translation>
    </message>
    <message>
        <source>Quarterly</source>
        <translation>Vierteljährlich</translation>
    </message>
    <message>
        <source>Semi-annual</source>
        <translation>Halbjährlich</translation>
    </message>
    <message>
        <source>Annual</source>
        <translation>Jährlich</translation>
    </message>
</context>
<context>
    <name>RecurringScreen</name>
    <message>
        <source>Confirm All Due</source>
        <translation>Alle fälligen bestätigen</translation>
    </message>
    <message>
        <source>New Recurring</source>
        <translation>Neu anlegen</translation>
    </message>
    <message>
        <source>Recurring Transactions</source>
        <translation>Wiederkehrende Buchungen</translation>
    </message>
    <message>
        <source>Due recurring transactions</source>
        <translation>Fällige wiederkehrende Buchungen</translation>
    </message>
    <message>
        <source>Recurring transactions</source>
        <translation>Wiederkehrende Buchungen</translation>
    </message>
    <message>
        <source>(%1 due)</source>
        <translation>(%1 fällig)</translation>
    </message>
    <message>
        <source>This recurring transaction was deleted meanwhile.</source>
        <translation>Diese wiederkehrende Buchung wurde inzwischen gelöscht.</translation>
    </message>
    <message>
        <source>Nothing was changed.</source>
        <translation>Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>This recurring transaction was changed meanwhile, perhaps in another window or by a sync.</source>
        <translation>Diese wiederkehrende Buchung wurde inzwischen geändert, vielleicht in einem anderen Fenster oder durch eine Synchronisierung.</translation>
    </message>
    <message>
        <source>Nothing was changed; the list now shows it as it is stored.</source>
        <translation>Es wurde nichts geändert; die Liste zeigt sie jetzt so, wie sie gespeichert ist.</translation>
    </message>
    <message numerus="yes">
        <source>%n due recurring transaction(s) could not be posted.</source>
        <translation>
            <numerusform>%n fällige wiederkehrende Buchung konnte nicht gebucht werden.</numerusform>
            <numerusform>%n fällige wiederkehrende Buchungen konnten nicht gebucht werden.</numerusform>
        </translation>
    </message>
    <message>
        <source>Those rules were left as they were; the others were posted.</source>
        <translation>Diese Vorlagen bleiben unverändert; die übrigen wurden gebucht.</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be posted. The occurrence may have been posted already, or its date or account is no longer valid.</source>
        <translation>„%1“ konnte nicht gebucht werden. Möglicherweise wurde diese Fälligkeit bereits gebucht, oder ihr Datum oder Konto ist nicht mehr gültig.</translation>
    </message>
    <message>
        <source>Nothing was posted and the rule was not advanced.</source>
        <translation>Es wurde nichts gebucht, und die Fälligkeit bleibt unverändert.</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Überspringen</translation>
    </message>
    <message>
        <source>The occurrence of &quot;%1&quot; could not be skipped.</source>
        <translation>Die Fälligkeit von „%1“ konnte nicht übersprungen werden.</translation>
    </message>
    <message>
        <source>The rule keeps its next due date.</source>
        <translation>Die nächste Fälligkeit bleibt unverändert.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete recurring &quot;%1&quot;?</source>
        <translation>Wiederkehrende Buchung „%1“ löschen?</translation>
    </message>
    <message>
        <source>The recurring transaction &quot;%1&quot; could not be deleted.</source>
        <translation>Die wiederkehrende Buchung „%1“ konnte nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>It is still in the list.</source>
        <translation>Sie steht weiterhin in der Liste.</translation>
    </message>
    <message>
        <source>The recurring transaction could not be saved.</source>
        <translation>Die wiederkehrende Buchung konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Nothing was added.</source>
        <translation>Es wurde nichts hinzugefügt.</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>This recurring transaction was changed or deleted while the form was open.</source>
        <translation>Diese wiederkehrende Buchung wurde geändert oder gelöscht, während das Formular offen war.</translation>
    </message>
    <message>
        <source>Your changes were not saved; the list now shows it as it is stored.</source>
        <translation>Ihre Änderungen wurden nicht gespeichert; die Liste zeigt sie jetzt so, wie sie gespeichert ist.</translation>
    </message>
    <message>
        <source>The changes could not be saved.</source>
        <translation>Die Änderungen konnten nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>The recurring transaction keeps its previous details.</source>
        <translation>Die wiederkehrende Buchung behält ihre bisherigen Angaben.</translation>
    </message>
    <message>
        <source>Recurring transaction actions</source>
        <translation>Aktionen für wiederkehrende Buchung</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Confirm</source>
        <translation>B&amp;estätigen</translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation>Über&amp;springen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>No recurring transactions yet. Create one with New Recurring, or select a row in a register and press %1 to memorize it.</source>
        <translation>Noch keine wiederkehrenden Buchungen. Legen Sie eine mit „Neu anlegen“ an oder wählen Sie in einer Umsatzliste eine Zeile und drücken Sie %1, um sie zu merken.</translation>
    </message>
</context>
<context>
    <name>RecurringService</name>
    <message>
        <source>Skip Recurring Transaction</source>
        <translation>Wiederkehrende Buchung überspringen</translation>
    </message>
    <message>
        <source>Confirm Recurring Transaction</source>
        <translation>Wiederkehrende Buchung bestätigen</translation>
    </message>
    <message>
        <source>Confirm Due Recurring Transactions</source>
        <translation>Fällige wiederkehrende Buchungen bestätigen</translation>
    </message>
</context>
<context>
    <name>RegisterEntry</name>
    <message>
        <source>Payee is required</source>
        <translation>Bitte einen Empfänger angeben</translation>
    </message>
    <message>
        <source>Enter a payment or deposit amount</source>
        <translation>Bitte einen Ausgabe- oder Einnahmebetrag eingeben</translation>
    </message>
    <message>
        <source>Cannot read the amount &quot;%1&quot;; type it like %2</source>
        <translation>Der Betrag „%1“ ist nicht lesbar; bitte im Format %2 eingeben</translation>
    </message>
    <message>
        <source>No category &quot;%1&quot;; choose one from the list</source>
        <translation>Keine Kategorie „%1“; wählen Sie eine aus der Liste</translation>
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
        <source>An existing transaction cannot become a transfer; delete it and enter the transfer as a new transaction</source>
        <translation>Eine bestehende Buchung kann keine Umbuchung werden; löschen Sie sie und erfassen Sie die Umbuchung neu</translation>
    </message>
    <message>
        <source>Not saved: the other side of the transfer is reconciled</source>
        <translation>Nicht gespeichert: Die andere Seite der Umbuchung ist abgeglichen</translation>
    </message>
    <message>
        <source>Could not save the transaction</source>
        <translation>Die Buchung konnte nicht gespeichert werden</translation>
    </message>
</context>
<context>
    <name>RegisterKeyboard</name>
    <message>
        <source>No category &quot;%1&quot;; choose one from the list</source>
        <translation>Keine Kategorie „%1“; wählen Sie eine aus der Liste</translation>
    </message>
    <message>
        <source>Press Escape again to discard the row</source>
        <translation>Erneut Escape drücken, um die Zeile zu verwerfen</translation>
    </message>
    <message>
        <source>Row discarded</source>
        <translation>Zeile verworfen</translation>
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
    <name>RegisterRowActions</name>
    <message>
        <source>Transaction saved</source>
        <translation>Buchung gespeichert</translation>
    </message>
    <message>
        <source>The opening balance comes from the account&apos;s starting balance; it cannot be memorized.</source>
        <translation>Der Anfangssaldo stammt aus dem Startsaldo des Kontos; er kann nicht als wiederkehrend gespeichert werden.</translation>
    </message>
    <message>
        <source>Cannot memorize: source transaction has an invalid date</source>
        <translation>Merken nicht möglich: Die Ausgangsbuchung hat ein ungültiges Datum</translation>
    </message>
    <message>
        <source>Could not memorize the transaction</source>
        <translation>Die Buchung konnte nicht gemerkt werden</translation>
    </message>
    <message>
        <source>Transaction memorized as recurring</source>
        <translation>Buchung als wiederkehrend gemerkt</translation>
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
        <source>The opening balance comes from the account&apos;s starting balance; change it with Account &gt; Edit.</source>
        <translation>Der Eröffnungssaldo stammt aus dem Anfangssaldo des Kontos; ändern Sie ihn über Konto &gt; Bearbeiten.</translation>
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
        <source>&amp;Insert New (%1)</source>
        <translation>Neue &amp;Zeile (%1)</translation>
    </message>
    <message>
        <source>&amp;New Transaction... (%1)</source>
        <translation>Neue &amp;Buchung... (%1)</translation>
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
        <source>&amp;Edit...</source>
        <translation>Bearb&amp;eiten...</translation>
    </message>
    <message>
        <source>S&amp;plit...</source>
        <translation>&amp;Aufteilen...</translation>
    </message>
    <message>
        <source>&amp;Delete (%1)</source>
        <translation>&amp;Löschen (%1)</translation>
    </message>
    <message>
        <source>Create &amp;Rule from This Payee...</source>
        <translation>&amp;Regel aus diesem Empfänger erstellen...</translation>
    </message>
</context>
<context>
    <name>RegisterSaveFlow</name>
    <message>
        <source>Reconciled Transfer</source>
        <translation>Abgeglichene Umbuchung</translation>
    </message>
    <message>
        <source>The other side of this transfer, in &quot;%1&quot;, is reconciled.

Change it there too?</source>
        <translation>Die andere Seite dieser Umbuchung in „%1“ ist abgeglichen.

Dort ebenfalls ändern?</translation>
    </message>
    <message>
        <source>Split No Longer Adds Up</source>
        <translation>Aufteilung stimmt nicht mehr</translation>
    </message>
    <message>
        <source>This transaction is split, and its amount changed. Split the new amount again?</source>
        <translation>Diese Buchung ist aufgeteilt, und ihr Betrag hat sich geändert. Den neuen Betrag erneut aufteilen?</translation>
    </message>
    <message>
        <source>Split Again</source>
        <translation>Erneut aufteilen</translation>
    </message>
    <message>
        <source>Remove Split</source>
        <translation>Aufteilung entfernen</translation>
    </message>
    <message>
        <source>Not saved: the split still needs dividing</source>
        <translation>Nicht gespeichert: Die Aufteilung ist noch nicht vollständig</translation>
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
        <source>Transaction saved</source>
        <translation>Buchung gespeichert</translation>
    </message>
    <message>
        <source>Fields cleared</source>
        <translation>Felder geleert</translation>
    </message>
    <message>
        <source>Reconcile account</source>
        <translation>Konto abgleichen</translation>
    </message>
    <message>
        <source>%1: save  |  Enter: next  |  %2: delete  |  %3: memorize  |  &apos;: copy above</source>
        <translation>%1: speichern  |  Enter: weiter  |  %2: löschen  |  %3: merken  |  &apos;: von oben übernehmen</translation>
    </message>
</context>
<context>
    <name>ReportCharts</name>
    <message numerus="yes">
        <source>%n other categories</source>
        <translation>
            <numerusform>%n weitere Kategorie</numerusform>
            <numerusform>%n weitere Kategorien</numerusform>
        </translation>
    </message>
    <message>
        <source>Spent</source>
        <translation>Ausgegeben</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Einnahmen</translation>
    </message>
    <message>
        <source>Expenses</source>
        <translation>Ausgaben</translation>
    </message>
    <message>
        <source>Net</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Budget and carried in</source>
        <translation>Budget und Übertrag</translation>
    </message>
</context>
<context>
    <name>ReportColumns</name>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>Tax Code</source>
        <translation>Steuerschlüssel</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Einnahmen</translation>
    </message>
    <message>
        <source>Expenses</source>
        <translation>Ausgaben</translation>
    </message>
    <message>
        <source>Net</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Period 1</source>
        <translation>Zeitraum 1</translation>
    </message>
    <message>
        <source>Period 2</source>
        <translation>Zeitraum 2</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Differenz</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Gebucht</translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation>Nicht gebucht</translation>
    </message>
    <message>
        <source>Budget</source>
        <translation>Budget</translation>
    </message>
    <message>
        <source>Carried In</source>
        <translation>Übertrag</translation>
    </message>
    <message>
        <source>Spent</source>
        <translation>Ausgegeben</translation>
    </message>
    <message>
        <source>Remaining</source>
        <translation>Verbleibend</translation>
    </message>
</context>
<context>
    <name>ReportExport</name>
    <message>
        <source>Export CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>There is nothing to export: this report has no rows for the chosen account and period.</source>
        <translation>Es gibt nichts zu exportieren: Dieser Bericht hat für das gewählte Konto und den Zeitraum keine Zeilen.</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>The report could not be saved to %1: %2</source>
        <translation>Der Bericht konnte nicht unter %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>No file was written; a file already there is unchanged.</source>
        <translation>Es wurde keine Datei geschrieben; eine bereits vorhandene Datei ist unverändert.</translation>
    </message>
</context>
<context>
    <name>ReportFiller</name>
    <message>
        <source>Currency</source>
        <translation>Währung</translation>
    </message>
    <message>
        <source>Period 1</source>
        <translation>Zeitraum 1</translation>
    </message>
    <message>
        <source>Period 2</source>
        <translation>Zeitraum 2</translation>
    </message>
    <message>
        <source>Budgets of %1</source>
        <translation>Budgets für %1</translation>
    </message>
    <message>
        <source>Budgets of the whole months %1 – %2</source>
        <translation>Budgets der ganzen Monate %1 – %2</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
</context>
<context>
    <name>ReportPeriods</name>
    <message>
        <source>This Month</source>
        <translation>Dieser Monat</translation>
    </message>
    <message>
        <source>Last Month</source>
        <translation>Vormonat</translation>
    </message>
    <message>
        <source>This Quarter</source>
        <translation>Dieses Quartal</translation>
    </message>
    <message>
        <source>Last Quarter</source>
        <translation>Vorquartal</translation>
    </message>
    <message>
        <source>This Year</source>
        <translation>Dieses Jahr</translation>
    </message>
    <message>
        <source>Last Year</source>
        <translation>Vorjahr</translation>
    </message>
    <message>
        <source>Last 30 Days</source>
        <translation>Letzte 30 Tage</translation>
    </message>
    <message>
        <source>Last 90 Days</source>
        <translation>Letzte 90 Tage</translation>
    </message>
    <message>
        <source>Last 12 Months</source>
        <translation>Letzte 12 Monate</translation>
    </message>
    <message>
        <source>All Time</source>
        <translation>Gesamter Zeitraum</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Benutzerdefiniert</translation>
    </message>
    <message>
        <source>This Year vs Last Year</source>
        <translation>Dieses Jahr vs. Vorjahr</translation>
    </message>
    <message>
        <source>Last Year vs Year Before</source>
        <translation>Vorjahr vs. vorletztes Jahr</translation>
    </message>
    <message>
        <source>This Quarter vs Last Quarter</source>
        <translation>Dieses Quartal vs. Vorquartal</translation>
    </message>
</context>
<context>
    <name>ReportService</name>
    <message>
        <source>Uncategorized</source>
        <translation>Ohne Kategorie</translation>
    </message>
</context>
<context>
    <name>ReportsScreen</name>
    <message>
        <source>Reports</source>
        <translation>Berichte</translation>
    </message>
    <message>
        <source>Report problem</source>
        <translation>Problem mit dem Bericht</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <source>Category Spending</source>
        <translation>Kategorieausgaben</translation>
    </message>
    <message>
        <source>Payee Summary</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>Tax Report</source>
        <translation>Steuerbericht</translation>
    </message>
    <message>
        <source>Cash Flow</source>
        <translation>Cashflow</translation>
    </message>
    <message>
        <source>Year-over-Year</source>
        <translation>Vorjahresvergleich</translation>
    </message>
    <message>
        <source>Account Summary</source>
        <translation>Konten</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>%1 chart</source>
        <translation>Diagramm „%1“</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Konto:</translation>
    </message>
    <message>
        <source>Period:</source>
        <translation>Zeitraum:</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Zeitraum</translation>
    </message>
    <message>
        <source>Period dates</source>
        <translation>Daten des Zeitraums</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Bis</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>Compare:</source>
        <translation>Vergleichen:</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Vergleichen</translation>
    </message>
    <message>
        <source>Compared periods</source>
        <translation>Verglichene Zeiträume</translation>
    </message>
    <message>
        <source>Period 1 from</source>
        <translation>Zeitraum 1 von</translation>
    </message>
    <message>
        <source>Period 1 to</source>
        <translation>Zeitraum 1 bis</translation>
    </message>
    <message>
        <source>Period 2 from</source>
        <translation>Zeitraum 2 von</translation>
    </message>
    <message>
        <source>Period 2 to</source>
        <translation>Zeitraum 2 bis</translation>
    </message>
    <message>
        <source>P1:</source>
        <translation>Z1:</translation>
    </message>
    <message>
        <source>P2:</source>
        <translation>Z2:</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>P1: %1 – %2    P2: %3 – %4</source>
        <translation>Z1: %1 – %2    Z2: %3 – %4</translation>
    </message>
    <message>
        <source>All Accounts</source>
        <translation>Alle Konten</translation>
    </message>
    <message>
        <source>This report could not be read, so the table may be incomplete.</source>
        <translation>Dieser Bericht konnte nicht gelesen werden; die Tabelle ist daher möglicherweise unvollständig.</translation>
    </message>
    <message>
        <source>Budget</source>
        <translation>Budget</translation>
    </message>
    <message>
        <source>Budgeted months</source>
        <translation>Budgetierte Monate</translation>
    </message>
</context>
<context>
    <name>RuleFormDialog</name>
    <message>
        <source>Edit Rule</source>
        <translation>Regel bearbeiten</translation>
    </message>
    <message>
        <source>New Rule</source>
        <translation>Neue Regel</translation>
    </message>
    <message>
        <source>How the payee is compared</source>
        <translation>Wie der Empfänger verglichen wird</translation>
    </message>
    <message>
        <source>Payee contains</source>
        <translation>Empfänger enthält</translation>
    </message>
    <message>
        <source>Payee is</source>
        <translation>Empfänger ist</translation>
    </message>
    <message>
        <source>Payee starts with</source>
        <translation>Empfänger beginnt mit</translation>
    </message>
    <message>
        <source>&amp;Match:</source>
        <translation>&amp;Vergleich:</translation>
    </message>
    <message>
        <source>&amp;Text:</source>
        <translation>&amp;Text:</translation>
    </message>
    <message>
        <source>Payee text</source>
        <translation>Empfängertext</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>(any account)</source>
        <translation>(jedes Konto)</translation>
    </message>
    <message>
        <source>&amp;Account:</source>
        <translation>&amp;Konto:</translation>
    </message>
    <message>
        <source>Amount &amp;from:</source>
        <translation>Betrag &amp;von:</translation>
    </message>
    <message>
        <source>Smallest amount</source>
        <translation>Kleinster Betrag</translation>
    </message>
    <message>
        <source>Amount t&amp;o:</source>
        <translation>Betrag &amp;bis:</translation>
    </message>
    <message>
        <source>Largest amount</source>
        <translation>Größter Betrag</translation>
    </message>
    <message>
        <source>any</source>
        <translation>beliebig</translation>
    </message>
    <message>
        <source>Show &amp;payee as:</source>
        <translation>&amp;Empfänger anzeigen als:</translation>
    </message>
    <message>
        <source>Payee to show</source>
        <translation>Angezeigter Empfänger</translation>
    </message>
    <message>
        <source>Category to set</source>
        <translation>Zu setzende Kategorie</translation>
    </message>
    <message>
        <source>(leave as it is)</source>
        <translation>(unverändert lassen)</translation>
    </message>
    <message>
        <source>Set &amp;category:</source>
        <translation>Kate&amp;gorie setzen:</translation>
    </message>
    <message>
        <source>Set m&amp;emo:</source>
        <translation>&amp;Notiz setzen:</translation>
    </message>
    <message>
        <source>Memo to set</source>
        <translation>Zu setzende Notiz</translation>
    </message>
    <message>
        <source>Enter the payee text the rule looks for.</source>
        <translation>Geben Sie den Empfängertext ein, nach dem die Regel sucht.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an amount.</source>
        <translation>„%1“ ist kein Betrag.</translation>
    </message>
    <message>
        <source>The smallest amount is larger than the largest.</source>
        <translation>Der kleinste Betrag ist größer als der größte.</translation>
    </message>
    <message>
        <source>Choose what the rule sets: a payee, a category or a memo.</source>
        <translation>Wählen Sie, was die Regel setzt: einen Empfänger, eine Kategorie oder eine Notiz.</translation>
    </message>
</context>
<context>
    <name>RulesScreen</name>
    <message>
        <source>Import Rules</source>
        <translation>Importregeln</translation>
    </message>
    <message>
        <source>Rules rename payees and set categories and memos as transactions are imported. They are tried from the top; for each of payee, category and memo the first matching rule that sets it wins.</source>
        <translation>Regeln benennen Empfänger um und setzen Kategorien und Notizen, während Buchungen importiert werden. Sie werden von oben nach unten geprüft; für Empfänger, Kategorie und Notiz gilt jeweils die erste passende Regel, die sie setzt.</translation>
    </message>
    <message>
        <source>Import rules</source>
        <translation>Importregeln</translation>
    </message>
    <message>
        <source>When the payee</source>
        <translation>Wenn der Empfänger</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>Show payee as</source>
        <translation>Empfänger anzeigen als</translation>
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
        <source>&amp;Add...</source>
        <translation>&amp;Hinzufügen...</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Bearbeiten...</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>is &quot;%1&quot;</source>
        <translation>ist „%1“</translation>
    </message>
    <message>
        <source>starts with &quot;%1&quot;</source>
        <translation>beginnt mit „%1“</translation>
    </message>
    <message>
        <source>contains &quot;%1&quot;</source>
        <translation>enthält „%1“</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>any</source>
        <translation>beliebig</translation>
    </message>
    <message>
        <source>any account</source>
        <translation>jedes Konto</translation>
    </message>
    <message>
        <source>Delete Rule</source>
        <translation>Regel löschen</translation>
    </message>
    <message>
        <source>Delete the rule for &quot;%1&quot;?</source>
        <translation>Die Regel für „%1“ löschen?</translation>
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
    <name>SearchResultsModel</name>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
</context>
<context>
    <name>SearchScreen</name>
    <message>
        <source>Date range:</source>
        <translation>Zeitraum:</translation>
    </message>
    <message>
        <source>From date</source>
        <translation>Anfangsdatum</translation>
    </message>
    <message>
        <source>To date</source>
        <translation>Enddatum</translation>
    </message>
    <message>
        <source>Cleared only</source>
        <translation>Nur gebuchte</translation>
    </message>
    <message>
        <source>Search Transactions</source>
        <translation>Buchungen suchen</translation>
    </message>
    <message>
        <source>Search payee, memo, check number...</source>
        <translation>Empfänger, Notiz, Schecknummer suchen...</translation>
    </message>
    <message>
        <source>Search text</source>
        <translation>Suchtext</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Konto:</translation>
    </message>
    <message>
        <source>Account filter</source>
        <translation>Kontofilter</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Kategorie:</translation>
    </message>
    <message>
        <source>Category filter</source>
        <translation>Kategoriefilter</translation>
    </message>
    <message>
        <source>Date range</source>
        <translation>Zeitraum</translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>Search results</source>
        <translation>Suchergebnisse</translation>
    </message>
    <message>
        <source>All Accounts</source>
        <translation>Alle Konten</translation>
    </message>
    <message>
        <source>All Categories</source>
        <translation>Alle Kategorien</translation>
    </message>
</context>
<context>
    <name>SettingsAboutPage</name>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Tindral Quillon</source>
        <translation>Tindral Quillon</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>A digital quillon register for tracking household finances: accounts, transfers, recurring entries, reconciliation, reports and backups, kept in one file on this computer and synchronised between your devices when you sign in.</source>
        <translation>Ein digitales Haushaltsbuch für Ihre privaten Finanzen: Konten, Umbuchungen, wiederkehrende Buchungen, Abgleich, Berichte und Sicherungen – in einer Datei auf diesem Computer gespeichert und nach der Anmeldung zwischen Ihren Geräten synchronisiert.</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;https://tindral.example/quillon&quot;&gt;Website&lt;/a&gt; · &lt;a href=&quot;https://tindral.example/quillon/help&quot;&gt;Help&lt;/a&gt; · &lt;a href=&quot;https://tindral.example/privacy&quot;&gt;Privacy&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;https://tindral.example/quillon&quot;&gt;Website&lt;/a&gt; · &lt;a href=&quot;https://tindral.example/quillon/help&quot;&gt;Hilfe&lt;/a&gt; · &lt;a href=&quot;https://tindral.example/privacy&quot;&gt;Datenschutz&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>This application uses the Qt framework under the GNU LGPL version 3.</source>
        <translation>Dieses Programm verwendet das Qt-Framework unter der GNU LGPL Version 3.</translation>
    </message>
</context>
<context>
    <name>SettingsDataPage</name>
    <message>
        <source>Data &amp; Sync</source>
        <translation>Daten &amp; Sync</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Synchronisierung</translation>
    </message>
    <message>
        <source>Keep your quillon in sync across all your devices.</source>
        <translation>Halten Sie Ihr Haushaltsbuch auf allen Geräten synchron.</translation>
    </message>
    <message>
        <source>Account status</source>
        <translation>Status des Benutzerkontos</translation>
    </message>
    <message>
        <source>Last synced</source>
        <translation>Zuletzt synchronisiert</translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation>Jetzt synchronisieren</translation>
    </message>
    <message>
        <source>Force Full Sync</source>
        <translation>Vollständige Synchronisierung erzwingen</translation>
    </message>
    <message>
        <source>Backup &amp; Restore</source>
        <translation>Sicherung &amp; Wiederherstellung</translation>
    </message>
    <message>
        <source>Save or restore your data to a portable backup file.</source>
        <translation>Sichern Sie Ihre Daten in eine portable Sicherungsdatei oder stellen Sie sie daraus wieder her.</translation>
    </message>
    <message>
        <source>Export Backup</source>
        <translation>Sicherung exportieren</translation>
    </message>
    <message>
        <source>Import Backup</source>
        <translation>Sicherung importieren</translation>
    </message>
    <message>
        <source>Deleted Accounts</source>
        <translation>Gelöschte Konten</translation>
    </message>
    <message>
        <source>Accounts you&apos;ve deleted can be restored here.</source>
        <translation>Hier können Sie gelöschte Konten wiederherstellen.</translation>
    </message>
    <message>
        <source>Deleted accounts</source>
        <translation>Gelöschte Konten</translation>
    </message>
    <message>
        <source>Restore Selected</source>
        <translation>Auswahl wiederherstellen</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Wird synchronisiert...</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Serveradresse</translation>
    </message>
    <message>
        <source>Server address error</source>
        <translation>Fehler in der Serveradresse</translation>
    </message>
    <message>
        <source>Set by the QUILLON_SERVER environment variable; change it there to use another server.</source>
        <translation>Von der Umgebungsvariable QUILLON_SERVER festgelegt; ändern Sie sie dort, um einen anderen Server zu verwenden.</translation>
    </message>
    <message>
        <source>Leave empty for the standard service. A change takes effect the next time Tindral Quillon starts.</source>
        <translation>Leer lassen für den Standarddienst. Eine Änderung wird beim nächsten Start von Tindral Quillon wirksam.</translation>
    </message>
    <message>
        <source>Enter an address starting with http:// or https://, such as https://quillon.example.org.</source>
        <translation>Geben Sie eine Adresse ein, die mit http:// oder https:// beginnt, etwa https://quillon.example.org.</translation>
    </message>
    <message>
        <source>Restore Account</source>
        <translation>Konto wiederherstellen</translation>
    </message>
    <message>
        <source>The account could not be restored.</source>
        <translation>Das Konto konnte nicht wiederhergestellt werden.</translation>
    </message>
    <message>
        <source>It stays in the list of deleted accounts; nothing was changed.</source>
        <translation>Es bleibt in der Liste der gelöschten Konten; es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Not signed in.
Sign in via File › Sign In to enable sync.</source>
        <translation>Nicht angemeldet.
Melden Sie sich über Datei › Anmelden an, um die Synchronisierung zu aktivieren.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Signed in as:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;Status:&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</source>
        <translation>&lt;b&gt;Angemeldet als:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;Status:&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</translation>
    </message>
    <message>
        <source>Never synced</source>
        <translation>Noch nie synchronisiert</translation>
    </message>
    <message>
        <source>Last synced: %1</source>
        <translation>Zuletzt synchronisiert: %1</translation>
    </message>
    <message>
        <source>
Error: %1</source>
        <translation>
Fehler: %1</translation>
    </message>
    <message>
        <source>This will re-upload every local row to the server and re-download all server data. Use this if data appears out of sync between devices.

Continue?</source>
        <translation>Alle lokalen Daten werden erneut auf den Server hochgeladen und alle Serverdaten erneut heruntergeladen. Verwenden Sie dies, wenn die Daten auf Ihren Geräten nicht übereinstimmen.

Fortfahren?</translation>
    </message>
    <message>
        <source>The data could not be marked for upload.</source>
        <translation>Die Daten konnten nicht zum Hochladen vorgemerkt werden.</translation>
    </message>
    <message>
        <source>Nothing was changed; the next sync sends only what changed.</source>
        <translation>Es wurde nichts geändert; die nächste Synchronisierung sendet nur Änderungen.</translation>
    </message>
    <message>
        <source>Exporting...</source>
        <translation>Wird exportiert...</translation>
    </message>
    <message>
        <source>Importing...</source>
        <translation>Wird importiert...</translation>
    </message>
</context>
<context>
    <name>SettingsGeneralPage</name>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Darstellung</translation>
    </message>
    <message>
        <source>Control how Tindral Quillon looks.</source>
        <translation>Legen Sie fest, wie Tindral Quillon aussieht.</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Design</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>Systemstandard</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Hell</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dunkel</translation>
    </message>
    <message>
        <source>Regional</source>
        <translation>Region</translation>
    </message>
    <message>
        <source>Date and calendar preferences.</source>
        <translation>Einstellungen für Datum und Kalender.</translation>
    </message>
    <message>
        <source>Week starts on</source>
        <translation>Woche beginnt am</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Sonntag</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samstag</translation>
    </message>
    <message>
        <source>Date format</source>
        <translation>Datumsformat</translation>
    </message>
    <message>
        <source>As the language writes it (%1)</source>
        <translation>Wie in der Sprache üblich (%1)</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Language Changed</source>
        <translation>Sprache geändert</translation>
    </message>
    <message>
        <source>The new language will take effect the next time you start Tindral Quillon.</source>
        <translation>Die neue Sprache gilt ab dem nächsten Start von Tindral Quillon.</translation>
    </message>
</context>
<context>
    <name>SettingsRegisterPage</name>
    <message>
        <source>Register</source>
        <translation>Umsätze</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>How transactions appear in the register.</source>
        <translation>Wie Buchungen in der Umsatzliste erscheinen.</translation>
    </message>
    <message>
        <source>Two-line rows</source>
        <translation>Zweizeilige Zeilen</translation>
    </message>
    <message>
        <source>Show memo on a second line below the payee.</source>
        <translation>Zeigt die Notiz in einer zweiten Zeile unter dem Empfänger.</translation>
    </message>
    <message>
        <source>Sorting</source>
        <translation>Sortierung</translation>
    </message>
    <message>
        <source>Control the order of transactions in the register.</source>
        <translation>Legen Sie die Reihenfolge der Buchungen in der Umsatzliste fest.</translation>
    </message>
    <message>
        <source>Show newest transactions first</source>
        <translation>Neueste Buchungen zuerst anzeigen</translation>
    </message>
    <message>
        <source>When enabled, the most recent transactions appear at the top.</source>
        <translation>Wenn aktiviert, stehen die neuesten Buchungen oben.</translation>
    </message>
</context>
<context>
    <name>SettingsScreen</name>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Preference pages</source>
        <translation>Seiten der Einstellungen</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Umsätze</translation>
    </message>
    <message>
        <source>Data &amp; Sync</source>
        <translation>Daten &amp; Sync</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Preference page</source>
        <translation>Seite der Einstellungen</translation>
    </message>
</context>
<context>
    <name>ShareMembersDialog</name>
    <message>
        <source>Group member</source>
        <translation>Gruppenmitglied</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Teilen</translation>
    </message>
    <message>
        <source>Shared with</source>
        <translation>Geteilt mit</translation>
    </message>
    <message>
        <source>Remove Selected</source>
        <translation>Auswahl entfernen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Wird geladen...</translation>
    </message>
    <message>
        <source>Not shared with anyone yet.</source>
        <translation>Noch mit niemandem geteilt.</translation>
    </message>
    <message>
        <source>All group members already added</source>
        <translation>Alle Gruppenmitglieder sind bereits hinzugefügt</translation>
    </message>
    <message>
        <source>Sharing...</source>
        <translation>Wird geteilt...</translation>
    </message>
    <message>
        <source>Could not share with %1.</source>
        <translation>Teilen mit %1 nicht möglich.</translation>
    </message>
    <message>
        <source>Remove Share</source>
        <translation>Freigabe entfernen</translation>
    </message>
    <message>
        <source>Remove %1&apos;s access to this item?</source>
        <translation>%1 den Zugriff auf dieses Element entziehen?</translation>
    </message>
    <message>
        <source>Could not remove share.</source>
        <translation>Die Freigabe konnte nicht entfernt werden.</translation>
    </message>
    <message>
        <source>The list of people this is shared with could not be loaded. Close this window and open it again to retry.</source>
        <translation>Die Liste der Personen, mit denen dies geteilt ist, konnte nicht geladen werden. Schließen Sie dieses Fenster und öffnen Sie es erneut, um es noch einmal zu versuchen.</translation>
    </message>
    <message>
        <source>The group members could not be loaded, so nobody can be added now. Close this window and open it again to retry.</source>
        <translation>Die Gruppenmitglieder konnten nicht geladen werden, daher kann gerade niemand hinzugefügt werden. Schließen Sie dieses Fenster und öffnen Sie es erneut, um es noch einmal zu versuchen.</translation>
    </message>
</context>
<context>
    <name>SignInLinkDialog</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Anmelden</translation>
    </message>
    <message>
        <source>Sign-in address</source>
        <translation>Anmeldeadresse</translation>
    </message>
    <message>
        <source>Copy the sign-in address</source>
        <translation>Anmeldeadresse kopieren</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Kopiert</translation>
    </message>
    <message>
        <source>Your browser should now show the sign-in page. If it did not open, copy this address into a browser on this computer and sign in there; this program notices when you are done.</source>
        <translation>Ihr Browser sollte jetzt die Anmeldeseite zeigen. Falls er sich nicht geöffnet hat, kopieren Sie diese Adresse in einen Browser auf diesem Computer und melden Sie sich dort an; dieses Programm bemerkt, wenn Sie fertig sind.</translation>
    </message>
    <message>
        <source>No browser could be opened for signing in. Copy this address into a browser on this computer and sign in there; this program notices when you are done.</source>
        <translation>Für die Anmeldung konnte kein Browser geöffnet werden. Kopieren Sie diese Adresse in einen Browser auf diesem Computer und melden Sie sich dort an; dieses Programm bemerkt, wenn Sie fertig sind.</translation>
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
    <message>
        <source>(choose a category)</source>
        <translation>(Kategorie wählen)</translation>
    </message>
    <message>
        <source>Category of line %1</source>
        <translation>Kategorie von Zeile %1</translation>
    </message>
    <message>
        <source>Amount of line %1</source>
        <translation>Betrag von Zeile %1</translation>
    </message>
    <message>
        <source>Memo of line %1</source>
        <translation>Notiz von Zeile %1</translation>
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
    <message>
        <source>These books are kept with another Tindral account. Sign in with the account they were synced with to sync them.</source>
        <translation>Diese Daten gehören zu einem anderen Tindral-Konto. Melden Sie sich mit dem Konto an, mit dem sie bisher synchronisiert wurden.</translation>
    </message>
</context>
<context>
    <name>TindUpdate</name>
    <message>
        <source>No release notes available for %1 %2</source>
        <translation>Keine Versionshinweise für %1 %2 verfügbar</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Suche nach Updates…</translation>
    </message>
    <message>
        <source>%1 is up to date (version %2)</source>
        <translation>%1 ist auf dem neuesten Stand (Version %2)</translation>
    </message>
    <message>
        <source>Update check failed: %1</source>
        <translation>Suche nach Updates fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Loading release notes…</source>
        <translation>Versionshinweise werden geladen…</translation>
    </message>
</context>
<context>
    <name>TindUpdate::NotesBrowser</name>
    <message>
        <source>Release notes</source>
        <translation>Versionshinweise</translation>
    </message>
</context>
<context>
    <name>TindUpdate::UpdateDialog</name>
    <message>
        <source>Update available</source>
        <translation>Update verfügbar</translation>
    </message>
    <message>
        <source>A new version of %1 is available.</source>
        <translation>Eine neue Version von %1 ist verfügbar.</translation>
    </message>
    <message>
        <source>You have version %1. The latest version is %2.</source>
        <translation>Sie haben Version %1. Die neueste Version ist %2.</translation>
    </message>
    <message>
        <source>Loading release notes…</source>
        <translation>Versionshinweise werden geladen…</translation>
    </message>
    <message>
        <source>*Release notes are not available for this version.*</source>
        <translation>*Für diese Version sind keine Versionshinweise verfügbar.*</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Herunterladen</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Später</translation>
    </message>
</context>
<context>
    <name>TindUpdate::WhatsNewDialog</name>
    <message>
        <source>What&apos;s New in %1 %2</source>
        <translation>Neuigkeiten in %1 %2</translation>
    </message>
    <message>
        <source>What&apos;s new in %1 %2</source>
        <translation>Neuigkeiten in %1 %2</translation>
    </message>
    <message>
        <source>You are running version %1</source>
        <translation>Sie verwenden Version %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Download %1</source>
        <translation>%1 herunterladen</translation>
    </message>
</context>
<context>
    <name>TransactionFormDialog</name>
    <message>
        <source>New Transaction</source>
        <translation>Neue Buchung</translation>
    </message>
    <message>
        <source>Edit Transaction</source>
        <translation>Buchung bearbeiten</translation>
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
        <source>Type:</source>
        <translation>Art:</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>Start typing to search payees...</source>
        <translation>Tippen Sie, um Empfänger zu suchen...</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>Empfänger:</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Betrag:</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>Split…</source>
        <translation>Aufteilen…</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Aufteilen</translation>
    </message>
    <message>
        <source>Divide the amount among several categories</source>
        <translation>Den Betrag auf mehrere Kategorien aufteilen</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Kategorie:</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Optional</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>Notiz:</translation>
    </message>
    <message>
        <source>Check number</source>
        <translation>Schecknummer</translation>
    </message>
    <message>
        <source>Check #:</source>
        <translation>Schecknr.:</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Gebucht</translation>
    </message>
    <message>
        <source>Form message</source>
        <translation>Meldung des Formulars</translation>
    </message>
    <message numerus="yes">
        <source>Split among %n categories</source>
        <translation>
            <numerusform>Auf %n Kategorie aufgeteilt</numerusform>
            <numerusform>Auf %n Kategorien aufgeteilt</numerusform>
        </translation>
    </message>
    <message>
        <source>Edit Split…</source>
        <translation>Aufteilung bearbeiten…</translation>
    </message>
    <message>
        <source>Edit split</source>
        <translation>Aufteilung bearbeiten</translation>
    </message>
    <message>
        <source>Enter the amount first, then split it.</source>
        <translation>Geben Sie zuerst den Betrag ein und teilen Sie ihn dann auf.</translation>
    </message>
    <message>
        <source>Payee is required</source>
        <translation>Bitte einen Empfänger angeben</translation>
    </message>
    <message>
        <source>Split No Longer Adds Up</source>
        <translation>Aufteilung stimmt nicht mehr</translation>
    </message>
    <message>
        <source>The amount changed, so the split no longer adds up to it. Split the new amount again?</source>
        <translation>Der Betrag hat sich geändert, die Aufteilung ergibt ihn nicht mehr. Den neuen Betrag erneut aufteilen?</translation>
    </message>
    <message>
        <source>Split Again</source>
        <translation>Erneut aufteilen</translation>
    </message>
    <message>
        <source>Remove Split</source>
        <translation>Aufteilung entfernen</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Konto:</translation>
    </message>
</context>
<context>
    <name>UndoStack</name>
    <message>
        <source>The database could not be written.</source>
        <translation>Die Datenbank konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be undone: its entries were changed since, on another device or in another program.</source>
        <translation>„%1“ kann nicht rückgängig gemacht werden: Die Einträge wurden seitdem auf einem anderen Gerät oder in einem anderen Programm geändert.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be redone: its entries were changed since, on another device or in another program.</source>
        <translation>„%1“ kann nicht wiederholt werden: Die Einträge wurden seitdem auf einem anderen Gerät oder in einem anderen Programm geändert.</translation>
    </message>
    <message>
        <source>The database could not be read.</source>
        <translation>Die Datenbank konnte nicht gelesen werden.</translation>
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
