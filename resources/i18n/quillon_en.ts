<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en_US">
<context>
    <name>AccountActions</name>
    <message>
        <source>New Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The account could not be created.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was stored; your other accounts are unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The changes could not be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The account was deleted meanwhile.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The account keeps its previous details and balance.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;?

All transactions, recurring entries, and reconciliation history for this account will be removed. You can restore it from Preferences → Data &amp; Sync.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The transaction you are typing in this account will be discarded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The account could not be deleted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was removed: the account and all its entries are kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign In Required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sharing requires a Tindral account. Sign in via File › Sign In to enable sharing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync this account once before sharing it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Share Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sharing: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Share this account with members of your Tindral family group. They&apos;ll see the same register, balances, and reconciliation history on their devices.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shared with</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not shared with anyone yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You&apos;re not part of a Tindral group yet. Create or join one under File › Tindral Account..., then share this account with its members.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Share</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Share Failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Share</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove %1&apos;s access to this account?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This account can be shared after its first sync.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AccountContextMenu</name>
    <message>
        <source>Account actions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Account...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit &quot;%1&quot;...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reconcile...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reconciliation History...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename Payees...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Share...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AccountDevicesPage</name>
    <message>
        <source>Registered Devices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Devices that have synced with your account.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No devices registered.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown Device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  ·  v%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device removed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to remove device.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AccountFormDialog</name>
    <message>
        <source>New Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Savings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Investment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USD ($)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EUR (€)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GBP (£)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CAD ($)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AUD ($)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JPY (¥)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bank name (optional)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last 4 digits (optional)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Currency:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starting &amp;Balance:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;As of:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Institution:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account &amp;Number:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AccountGroupPage</name>
    <message>
        <source>No Group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You&apos;re not part of a group. The group owner can invite you, or you can join with an invite code.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Join with Invite Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 seats used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Members</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Owner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Member</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove %1 from the group?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to remove %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 removed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pending Invitations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invite code: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Revoke</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Revoke invitation %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invitation revoked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to revoke invitation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invite Members</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invite by Email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generate Invite Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leave Group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leave this group? You will lose access to shared data.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left group.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to leave group.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Join Group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter invite code:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Joined group.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid or expired invite code.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email address:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invitation sent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to send invitation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to generate code.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invite Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Share this code with the person you want to invite:

%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AccountListModel</name>
    <message>
        <source>%1, %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AccountPresentation</name>
    <message>
        <source>Checking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Savings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Investment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No accounts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AccountPrivacyPage</name>
    <message>
        <source>Danger Zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Permanently delete your account. This cannot be undone after 30 days.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are the group owner. Transfer ownership or remove all members before deleting your account.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This will schedule your account for permanent deletion after 30 days.

Type DELETE to confirm:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to delete account.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account Scheduled for Deletion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your account will be permanently deleted in 30 days. You can recover it by signing in before then.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AccountProfilePage</name>
    <message>
        <source>Personal Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(not set)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Display Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-mail address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account Portal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Billing, subscriptions and more are managed on the web.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Account Portal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display name updated.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to update profile.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AccountScreen</name>
    <message>
        <source>Tindral Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account sections</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Devices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Security</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data &amp; Privacy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account section</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Active now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1m ago</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1h ago</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1d ago</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AccountSecurityPage</name>
    <message>
        <source>Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change your account password.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Active Sessions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sessions currently signed in to your account.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No active sessions.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown client</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This session</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  ·  %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Revoke</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Revoke session %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Session revoked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to revoke session.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New password (min 8 characters):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password must be at least 8 characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm new password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passwords do not match.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to change password.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AccountSharingService</name>
    <message>
        <source>Failed to share account (HTTP %1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AccountSidebar</name>
    <message>
        <source>Sidebar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accounts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total of all accounts</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Failed to initialize the database.

Data directory: %1

Please check file permissions and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Database Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Updating your data for this version of %1...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BackgroundJob</name>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 rows done</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BackupFlow</name>
    <message>
        <source>Replace all with backup data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep newer (compare timestamps)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip existing items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How should existing data be handled?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace Existing Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every record in the backup replaces the record of the same id here, including changes made since the backup was written. Records that are not in the backup are kept.

Continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Backup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ZIP Files (*.zip)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exporting backup...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup Complete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup saved to:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not write to:
%1

%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup could not be made: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The database could not be opened for the backup.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup Failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No backup file was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Backup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not read file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restoring backup...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The database could not be opened for the restore.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was restored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imported %1 items, skipped %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n error(s) occurred.</source>
        <translation>
            <numerusform>%n error occurred.</numerusform>
            <numerusform>%n errors occurred.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) were left out: they come from a newer version of Tindral Quillon.</source>
        <translation>
            <numerusform>%n row was left out: it comes from a newer version of Tindral Quillon.</numerusform>
            <numerusform>%n rows were left out: they come from a newer version of Tindral Quillon.</numerusform>
        </translation>
    </message>
    <message>
        <source>Import Complete</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BackupService</name>
    <message>
        <source>Cannot read %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the row is too large for a backup (%2 bytes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The database is too large for a backup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The archive could not be written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to open ZIP archive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: entry too large</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid backup: missing manifest.json</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unsupported backup version: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup is too large to restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup could not be written to the database (%1); nothing was restored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: unexpected error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: invalid JSON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the row has no id</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>invalid value for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup was cancelled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The restore was cancelled; nothing was restored.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BudgetScreen</name>
    <message>
        <source>Budget</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt; Previous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous month (Alt+Left)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next month (Alt+Right)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Co&amp;py Last Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy last month&apos;s budgets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fill from &amp;Average</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fill from the average of the last three months</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Budget by category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Carried In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remaining</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Totals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Budget amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Roll over what is left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Roll over what is left into the next month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Set Budget</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set budget</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;lear Budget</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear budget</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt+Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt+Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (sum)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2% of the budget used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Budget %1 · Carried in %2 · Spent %3 · Remaining %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Budget:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Budget for %1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The budgets could not be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The month keeps its previous budgets.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Budget</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Budget</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Last Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fill from Average</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BudgetService</name>
    <message>
        <source>Copy Budgets from Last Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fill Budgets from Average</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CategoriesScreen</name>
    <message>
        <source>+ New Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Categories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category tree</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The category could not be created.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was added; your categories are unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The category could not be renamed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It keeps its previous name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;?</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n transaction(s) using this category will become uncategorized.</source>
        <translation>
            <numerusform>%n transaction using this category will become uncategorized.</numerusform>
            <numerusform>%n transactions using this category will become uncategorized.</numerusform>
        </translation>
    </message>
    <message>
        <source>No transactions use this category.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its sub-categories will move to the top level.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The category could not be deleted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was changed: the category and its transactions are as they were.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category actions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CategoryService</name>
    <message>
        <source>Charitable Donations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Medical Expenses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Business Expenses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home Office</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Education Expenses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State &amp; Local Taxes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mortgage Interest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Property Tax</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Housing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rent/Mortgage Payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maintenance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HOA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Electric</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Water</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Internet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transportation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gas/Fuel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Car Payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto Insurance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Public Transit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Groceries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dining &amp; Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Personal Care</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subscriptions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gifts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Miscellaneous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entertainment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Streaming</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Movies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Events</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shopping</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clothing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Electronics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Household</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insurance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Health</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Life</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home/Renters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fees &amp; Charges</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bank Fees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ATM Fees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Late Fees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salary / Wages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interest Income</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dividend Income</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rental Income</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Freelance / Consulting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refunds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gifts Received</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other Income</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CategoryTreeModel</name>
    <message>
        <source>Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tax Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Charitable contributions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Medical and dental</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Business expense</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home office</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Education</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State and local taxes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mortgage interest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Property tax</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Income</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expense</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EmptyStatePage</name>
    <message>
        <source>Getting started</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Welcome to Tindral Quillon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create your first account to get started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can also import transactions from a CSV file via File › Import.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EntryWriter</name>
    <message>
        <source>New Transaction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Transaction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark Cleared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark Uncleared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Split Transaction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memorize Transaction</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpMenuActions</name>
    <message>
        <source>About Tindral Quillon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;h3&gt;Tindral Quillon&lt;/h3&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;A digital quillon register for tracking household finances.&lt;/p&gt;&lt;p&gt;&lt;small&gt;This application uses the Qt framework under the GNU LGPL version 3. The source code of Qt is available at &lt;a href=&quot;https://download.qt.io/&quot;&gt;download.qt.io&lt;/a&gt;.&lt;/small&gt;&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Register</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save transaction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert new transaction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete current transaction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tab / Shift+Tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next / previous field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos; (apostrophe)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy value from field above</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date Field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>t</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>+ / -</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next / previous day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>m / h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First / last day of month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>y / r</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First / last day of year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>w / k</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First / last day of week</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accounts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt+1 &amp;ndash; Alt+9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch to account 1&amp;ndash;9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt+0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch to account 10</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tindral Quillon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sample Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sample data is already loaded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Sample Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sample data could not be loaded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was added; your own accounts are unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sample data loaded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No sample data to clear.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Sample Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sample data could not be removed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was removed. A sample account that holds entries of your own stays until you move or delete them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sample data cleared</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImportColumnMapping</name>
    <message>
        <source>CSV Column Mapping:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date column:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date column</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payee column:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payee column</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount column:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount column</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memo column:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memo column</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category column:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category column</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(none)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date format:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First row is header</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Col %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImportResultPage</name>
    <message>
        <source>Import result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rows not imported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImportScreen</name>
    <message>
        <source>Import Transactions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Account:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No file selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chosen file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse for a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QIF files carry their own dates, payees and amounts: no column mapping is needed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview of the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file could not be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Col %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payee</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(unreadable)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Importing transactions...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import cancelled.

Nothing was imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The database could not be opened for the import.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import failed.

%1

Nothing was imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statement account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create the statement&apos;s account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bank Files (*.csv *.qif *.ofx *.qfx *.xml);;CSV Files (*.csv);;QIF Files (*.qif);;OFX and QFX Files (*.ofx *.qfx);;CAMT.053 Statements (*.xml);;All Files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bank statements (OFX, QFX, CAMT.053) carry their own dates, payees and amounts: no column mapping is needed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The statement is for account %1: %2 is chosen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The statement is for account %1, which none of your accounts is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create Account %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The account could not be created.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After Rules</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n linked as transfers to rows in other accounts</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Bank&apos;s ledger balance %1 on %2: %3
Account balance after import: %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import complete!</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n transaction(s) imported</source>
        <translation>
            <numerusform>%n transaction imported</numerusform>
            <numerusform>%n transactions imported</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n duplicate(s) skipped</source>
        <translation>
            <numerusform>%n duplicate skipped</numerusform>
            <numerusform>%n duplicates skipped</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) could not be read or stored:</source>
        <translation>
            <numerusform>%n row could not be read or stored:</numerusform>
            <numerusform>%n rows could not be read or stored:</numerusform>
        </translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>… and %n more row(s)</source>
        <translation>
            <numerusform>… and %n more row</numerusform>
            <numerusform>… and %n more rows</numerusform>
        </translation>
    </message>
    <message>
        <source>unknown</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImportService</name>
    <message>
        <source>Its category &quot;%1&quot; could not be created</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The database refused it: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>It has %n column(s), fewer than the columns chosen</source>
        <translation>
            <numerusform>It has %n column, fewer than the columns chosen</numerusform>
            <numerusform>It has %n columns, fewer than the columns chosen</numerusform>
        </translation>
    </message>
    <message>
        <source>The date &quot;%1&quot; cannot be read as %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The amount &quot;%1&quot; cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The date is missing or cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The amount cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file holds statements of several accounts (%1). Enter the last four digits of this account&apos;s number in its settings to import its statement alone. Nothing was imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file holds statements of several accounts (%1) and none of them ends in this account&apos;s last four digits, %2. Nothing was imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file holds statements of several accounts (%1) and more than one ends in this account&apos;s last four digits, %2. Nothing was imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Import of %n Transaction(s)</source>
        <translation>
            <numerusform>Import of %n Transaction</numerusform>
            <numerusform>Import of %n Transactions</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LedgerWriter</name>
    <message>
        <source>New Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Transaction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Transaction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Split Transaction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Recurring Transaction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Recurring Transaction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Recurring Transaction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Merge Payees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename Payee</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Budget</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Budget</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New Transaction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New transaction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New &amp;Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+Shift+N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+I</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import &amp;Rules...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tindral Account...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sign In...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign &amp;Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+Shift+Z</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+Y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search transactions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reconcile...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reconcile account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reconciliation &amp;History...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename &amp;Payees...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Share...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reports</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reports</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re&amp;curring Transactions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recurring transactions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;ategories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Categories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Budget</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Budget</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Tindral Quillon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What&apos;s &amp;New...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for &amp;Updates...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load &amp;Sample Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Clear Sample Data</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Tindral Quillon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sidebar and pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sidebar width</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Auto-posted %n recurring transaction(s)</source>
        <translation>
            <numerusform>Auto-posted %n recurring transaction</numerusform>
            <numerusform>Auto-posted %n recurring transactions</numerusform>
        </translation>
    </message>
    <message>
        <source>Select an account first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync complete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signed in successfully</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign-in failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not signed in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reports</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Categories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recurring Transactions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search Transactions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That transaction no longer exists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reconciliation History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Accounts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You need to create an account before importing transactions. Create one now?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Transactions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payee Management</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tindral Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Rules</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Budget</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your books were left as they are.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PayeeMemoEditor</name>
    <message>
        <source>Payee</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memo</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PayeeScreen</name>
    <message>
        <source>Rename Selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Merge Selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payee Management</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename to:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename Payees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The payees could not be renamed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was changed; every transaction keeps its payee.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename Complete</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Renamed %n transaction(s).</source>
        <translation>
            <numerusform>Renamed %n transaction.</numerusform>
            <numerusform>Renamed %n transactions.</numerusform>
        </translation>
    </message>
    <message>
        <source>Merge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select 2 or more payees to merge.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Merge Payees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Merge %1 payees into &quot;%2&quot;?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Merge Complete</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Merged %n transaction(s).</source>
        <translation>
            <numerusform>Merged %n transaction.</numerusform>
            <numerusform>Merged %n transactions.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QCalendarWidget</name>
    <message>
        <source>Calendar</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>The server said: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReconciliationHistoryScreen</name>
    <message>
        <source>Reconciliation History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No reconciliations yet. Reconcile your account from the register to see the history here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Past reconciliations for this account.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statement Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statement Balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reconciled Balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Completed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Past reconciliations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No reconciliations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reconciliation History — %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReconciliationModel</name>
    <message>
        <source>Ticked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not ticked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payee</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clr</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReconciliationScreen</name>
    <message>
        <source>Finish Reconciliation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Transaction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reconcile Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statement Date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statement date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statement Balance:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statement balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unreconciled transactions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit selected transaction (F2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit transaction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete transaction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Space, C or R: tick the current row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous Balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cleared Deposits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cleared deposits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cleared Withdrawals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cleared withdrawals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cleared Balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cleared balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statement Balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statement balance total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Difference</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel reconciliation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reconciliation Complete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account reconciled successfully.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transactions Changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n ticked transaction(s) changed since the list was shown. The list now shows them as they are stored; check the difference and finish again.</source>
        <translation>
            <numerusform>%n ticked transaction changed since the list was shown. The list now shows it as it is stored; check the difference and finish again.</numerusform>
            <numerusform>%n ticked transactions changed since the list was shown. The list now shows them as they are stored; check the difference and finish again.</numerusform>
        </translation>
    </message>
    <message>
        <source>The stored transactions no longer add up to the statement balance (a ticked transaction was deleted or changed elsewhere). The list has been reloaded; check the difference and finish again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This account no longer exists.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was recorded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The reconciliation could not be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No transaction was marked reconciled and your ticks are kept; you can finish again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete the transaction for %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This transaction was already deleted elsewhere.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The transaction could not be deleted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is still in the account.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a transaction (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete selected transaction (%1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReconciliationService</name>
    <message>
        <source>Finish Reconciliation</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReconciliationWindows</name>
    <message>
        <source>Reconcile — %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Transaction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This transaction no longer exists.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The account named after [Transfer] does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A transfer needs another account.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The transaction was deleted meanwhile.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An existing transaction cannot become a transfer; delete it and enter the transfer as a new transaction.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The other side of the transfer is reconciled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was stored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The transaction could not be saved.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecurringFormDialog</name>
    <message>
        <source>New Recurring Transaction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Recurring Transaction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memorize Transaction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payee</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start typing to search payees...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(none)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Optional</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daily</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bi-weekly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quarterly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Semi-annual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next due date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The next occurrence to confirm or post</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next Due:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Has end date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End Date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto-post when due</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Active</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Form problem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose an account; create one first if there is none.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payee is required.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A transfer cannot go to the account it comes from.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The next due date must be after %1, the date of the memorized transaction.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The next due date must be after %1: the occurrences up to then were posted already.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The end date is before the next due date, so nothing would ever be posted.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecurringModel</name>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Active</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payee</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next Due</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daily</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bi-weekly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quarterly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Semi-annual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annual</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecurringScreen</name>
    <message>
        <source>Confirm All Due</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Recurring</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recurring Transactions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Due recurring transactions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recurring transactions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(%1 due)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This recurring transaction was deleted meanwhile.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This recurring transaction was changed meanwhile, perhaps in another window or by a sync.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was changed; the list now shows it as it is stored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n due recurring transaction(s) could not be posted.</source>
        <translation>
            <numerusform>%n due recurring transaction could not be posted.</numerusform>
            <numerusform>%n due recurring transactions could not be posted.</numerusform>
        </translation>
    </message>
    <message>
        <source>Those rules were left as they were; the others were posted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be posted. The occurrence may have been posted already, or its date or account is no longer valid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was posted and the rule was not advanced.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The occurrence of &quot;%1&quot; could not be skipped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The rule keeps its next due date.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete recurring &quot;%1&quot;?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The recurring transaction &quot;%1&quot; could not be deleted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is still in the list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The recurring transaction could not be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was added.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This recurring transaction was changed or deleted while the form was open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your changes were not saved; the list now shows it as it is stored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The changes could not be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The recurring transaction keeps its previous details.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recurring transaction actions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Confirm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No recurring transactions yet. Create one with New Recurring, or select a row in a register and press %1 to memorize it.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecurringService</name>
    <message>
        <source>Skip Recurring Transaction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm Recurring Transaction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm Due Recurring Transactions</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RegisterEntry</name>
    <message>
        <source>Payee is required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter a payment or deposit amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read the amount &quot;%1&quot;; type it like %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No category &quot;%1&quot;; choose one from the list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transfer account not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A transfer needs another account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This transaction no longer exists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An existing transaction cannot become a transfer; delete it and enter the transfer as a new transaction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not saved: the other side of the transfer is reconciled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not save the transaction</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RegisterKeyboard</name>
    <message>
        <source>No category &quot;%1&quot;; choose one from the list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press Escape again to discard the row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Row discarded</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RegisterModel</name>
    <message>
        <source>(split)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The opening balance is the account&apos;s starting balance; change it with Account &gt; Edit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chk #</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payee / Memo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payee</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balance</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RegisterRowActions</name>
    <message>
        <source>Transaction saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The opening balance comes from the account&apos;s starting balance; it cannot be memorized.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot memorize: source transaction has an invalid date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not memorize the transaction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transaction memorized as recurring</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not save the split</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Split saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The opening balance comes from the account&apos;s starting balance; change it with Account &gt; Edit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot; for %2?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete transfer &quot;%1&quot; for %2?

Both sides of the transfer will be deleted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not delete the transaction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Insert New (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New Transaction... (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark &amp;Uncleared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark &amp;Cleared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;plit...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create &amp;Rule from This Payee...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RegisterSaveFlow</name>
    <message>
        <source>Reconciled Transfer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The other side of this transfer, in &quot;%1&quot;, is reconciled.

Change it there too?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Split No Longer Adds Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This transaction is split, and its amount changed. Split the new amount again?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Split Again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Split</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not saved: the split still needs dividing</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RegisterScreen</name>
    <message>
        <source>Reconcile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Register</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ending balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transactions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Register message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unsaved Transaction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the transaction you were typing?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The opening balance comes from the account&apos;s starting balance; change it with Account &gt; Edit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transaction saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fields cleared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reconcile account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: save  |  Enter: next  |  %2: delete  |  %3: memorize  |  &apos;: copy above</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportCharts</name>
    <message numerus="yes">
        <source>%n other categories</source>
        <translation>
            <numerusform>%n other category</numerusform>
            <numerusform>%n other categories</numerusform>
        </translation>
    </message>
    <message>
        <source>Spent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Income</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expenses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Net</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Budget and carried in</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportColumns</name>
    <message>
        <source>Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payee</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tax Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Income</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expenses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Net</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Period 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Period 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Difference</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Budget</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Carried In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remaining</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportExport</name>
    <message>
        <source>Export CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is nothing to export: this report has no rows for the chosen account and period.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report could not be saved to %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No file was written; a file already there is unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportFiller</name>
    <message>
        <source>Currency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Period 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Period 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Budgets of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Budgets of the whole months %1 – %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportPeriods</name>
    <message>
        <source>This Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This Quarter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last Quarter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last 30 Days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last 90 Days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last 12 Months</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This Year vs Last Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last Year vs Year Before</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This Quarter vs Last Quarter</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportService</name>
    <message>
        <source>Uncategorized</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportsScreen</name>
    <message>
        <source>Reports</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report problem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category Spending</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payee Summary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tax Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cash Flow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year-over-Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account Summary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Period:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Period dates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compared periods</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Period 1 from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Period 1 to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Period 2 from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Period 2 to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P2:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P1: %1 – %2    P2: %3 – %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Accounts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This report could not be read, so the table may be incomplete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Budget</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Budgeted months</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RuleFormDialog</name>
    <message>
        <source>Edit Rule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Rule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How the payee is compared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payee contains</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payee is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payee starts with</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Match:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Text:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payee text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(any account)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Account:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount &amp;from:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Smallest amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount t&amp;o:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Largest amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>any</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show &amp;payee as:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payee to show</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category to set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(leave as it is)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set &amp;category:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set m&amp;emo:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memo to set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the payee text the rule looks for.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an amount.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The smallest amount is larger than the largest.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose what the rule sets: a payee, a category or a memo.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RulesScreen</name>
    <message>
        <source>Import Rules</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rules rename payees and set categories and memos as transactions are imported. They are tried from the top; for each of payee, category and memo the first matching rule that sets it wins.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import rules</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When the payee</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show payee as</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>starts with &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>contains &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>any</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>any account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Rule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete the rule for &quot;%1&quot;?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SampleDataService</name>
    <message>
        <source>Main Checking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Riverbend Credit Union</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Savings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visa Rewards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Summit Bank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brightpath Inc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Biweekly paycheck</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pinecrest Apartments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>February rent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Greenleaf Market</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weekly groceries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Streamly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monthly subscription</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lakeside Utilities</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Electric bill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QuickFuel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fuel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fiberlink</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Internet service</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Corner Bistro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dinner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shieldline Insurance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto insurance premium</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wellway Pharmacy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prescription</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hope Community Church</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monthly donation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>March rent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lunch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pharmacy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interest payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dash Delivery</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Food delivery</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stellar Coffee</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coffee</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gadget World</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USB-C charger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CloudWatch Plus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cloud storage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payment - Thank You</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Credit card payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TechVault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wireless headphones</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BookNest Online</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programming books</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monthly rent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transfer to Savings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monthly savings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transfer from Checking</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SearchResultsModel</name>
    <message>
        <source>Account</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SearchScreen</name>
    <message>
        <source>Date range:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cleared only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search Transactions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search payee, memo, check number...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Accounts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Categories</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsAboutPage</name>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tindral Quillon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A digital quillon register for tracking household finances: accounts, transfers, recurring entries, reconciliation, reports and backups, kept in one file on this computer and synchronised between your devices when you sign in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;a href=&quot;https://tindral.example/quillon&quot;&gt;Website&lt;/a&gt; · &lt;a href=&quot;https://tindral.example/quillon/help&quot;&gt;Help&lt;/a&gt; · &lt;a href=&quot;https://tindral.example/privacy&quot;&gt;Privacy&lt;/a&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Links</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This application uses the Qt framework under the GNU LGPL version 3.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsDataPage</name>
    <message>
        <source>Data &amp; Sync</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep your quillon in sync across all your devices.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last synced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Force Full Sync</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup &amp; Restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save or restore your data to a portable backup file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Backup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Backup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deleted Accounts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accounts you&apos;ve deleted can be restored here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deleted accounts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore Selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server address error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set by the QUILLON_SERVER environment variable; change it there to use another server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leave empty for the standard service. A change takes effect the next time Tindral Quillon starts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter an address starting with http:// or https://, such as https://quillon.example.org.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The account could not be restored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It stays in the list of deleted accounts; nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not signed in.
Sign in via File › Sign In to enable sync.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Signed in as:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;Status:&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Never synced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last synced: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Error: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This will re-upload every local row to the server and re-download all server data. Use this if data appears out of sync between devices.

Continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data could not be marked for upload.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was changed; the next sync sends only what changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exporting...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Importing...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsGeneralPage</name>
    <message>
        <source>General</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Control how Tindral Quillon looks.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Theme</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Regional</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date and calendar preferences.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Week starts on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As the language writes it (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language Changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new language will take effect the next time you start Tindral Quillon.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsRegisterPage</name>
    <message>
        <source>Register</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How transactions appear in the register.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two-line rows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show memo on a second line below the payee.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Control the order of transactions in the register.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show newest transactions first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When enabled, the most recent transactions appear at the top.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsScreen</name>
    <message>
        <source>Preferences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preference pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Register</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data &amp; Sync</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preference page</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ShareMembersDialog</name>
    <message>
        <source>Group member</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Share</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shared with</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not shared with anyone yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All group members already added</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sharing...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not share with %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Share</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove %1&apos;s access to this item?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not remove share.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list of people this is shared with could not be loaded. Close this window and open it again to retry.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The group members could not be loaded, so nobody can be added now. Close this window and open it again to retry.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SignInLinkDialog</name>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign-in address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy the sign-in address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your browser should now show the sign-in page. If it did not open, copy this address into a browser on this computer and sign in there; this program notices when you are done.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No browser could be opened for signing in. Copy this address into a browser on this computer and sign in there; this program notices when you are done.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SmartDateEdit</name>
    <message>
        <source>Open calendar (F4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open calendar</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SplitEditorDialog</name>
    <message>
        <source>Split Transaction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Divide %1 (%2) among categories.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The split is kept on this device and in backups; sync does not carry it to your other devices.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remove Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remaining: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(choose a category)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category of line %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount of line %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memo of line %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>Offline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of accounts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recurring transactions due</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Busy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resize window</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n account(s)</source>
        <translation>
            <numerusform>%n account</numerusform>
            <numerusform>%n accounts</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>  •  %n recurring due</source>
        <translation>
            <numerusform>  •  %n recurring due</numerusform>
            <numerusform>  •  %n recurring due</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SyncEngine</name>
    <message>
        <source>Synced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These books are kept with another Tindral account. Sign in with the account they were synced with to sync them.</source>
        <translation>These books are kept with another Tindral account. Sign in with the account they were synced with to sync them.</translation>
    </message>
</context>
<context>
    <name>TindUpdate</name>
    <message>
        <source>No release notes available for %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is up to date (version %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update check failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading release notes…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TindUpdate::NotesBrowser</name>
    <message>
        <source>Release notes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TindUpdate::UpdateDialog</name>
    <message>
        <source>Update available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A new version of %1 is available.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have version %1. The latest version is %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading release notes…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>*Release notes are not available for this version.*</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Later</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TindUpdate::WhatsNewDialog</name>
    <message>
        <source>What&apos;s New in %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What&apos;s new in %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are running version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TransactionFormDialog</name>
    <message>
        <source>New Transaction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Transaction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start typing to search payees...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payee</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(none)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Split…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Split</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Divide the amount among several categories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Optional</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check #:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Form message</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Split among %n categories</source>
        <translation>
            <numerusform>Split among %n category</numerusform>
            <numerusform>Split among %n categories</numerusform>
        </translation>
    </message>
    <message>
        <source>Edit Split…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit split</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the amount first, then split it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payee is required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Split No Longer Adds Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The amount changed, so the split no longer adds up to it. Split the new amount again?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Split Again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Split</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UndoStack</name>
    <message>
        <source>The database could not be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be undone: its entries were changed since, on another device or in another program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be redone: its entries were changed since, on another device or in another program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The database could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WelcomeScreen</name>
    <message>
        <source>Continue Without an Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tindral Quillon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your finances, everywhere.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multi-Device Sync</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep your quillon in sync between your phone, tablet, and computer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Family Sharing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Share accounts with family members. Everyone sees the same register in real time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Secure &amp; Private</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your data is encrypted in transit and at rest. We never sell your data or show ads.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Already have an account? Sign In</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
