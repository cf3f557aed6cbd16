<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AccountActions</name>
    <message>
        <source>New Account</source>
        <translation>Nouveau compte</translation>
    </message>
    <message>
        <source>The account could not be created.</source>
        <translation>Impossible de créer le compte.</translation>
    </message>
    <message>
        <source>Nothing was stored; your other accounts are unchanged.</source>
        <translation>Rien n&apos;a été enregistré ; vos autres comptes sont inchangés.</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>Modifier le compte</translation>
    </message>
    <message>
        <source>The changes could not be saved.</source>
        <translation>Impossible d&apos;enregistrer les modifications.</translation>
    </message>
    <message>
        <source>The account was deleted meanwhile.</source>
        <translation>Le compte a été supprimé entre-temps.</translation>
    </message>
    <message>
        <source>The account keeps its previous details and balance.</source>
        <translation>Le compte conserve ses informations et son solde précédents.</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;?

All transactions, recurring entries, and reconciliation history for this account will be removed. You can restore it from Preferences → Data &amp; Sync.</source>
        <translation>Supprimer « %1 » ?

Toutes les opérations, les opérations récurrentes et l&apos;historique des rapprochements de ce compte seront supprimés. Vous pourrez le restaurer dans Préférences → Données et synchro.</translation>
    </message>
    <message>
        <source>The transaction you are typing in this account will be discarded.</source>
        <translation>L’opération que vous saisissez dans ce compte sera abandonnée.</translation>
    </message>
    <message>
        <source>Delete Account</source>
        <translation>Supprimer le compte</translation>
    </message>
    <message>
        <source>The account could not be deleted.</source>
        <translation>Impossible de supprimer le compte.</translation>
    </message>
    <message>
        <source>Nothing was removed: the account and all its entries are kept.</source>
        <translation>Rien n&apos;a été supprimé : le compte et toutes ses opérations sont conservés.</translation>
    </message>
    <message>
        <source>Sign In Required</source>
        <translation>Connexion requise</translation>
    </message>
    <message>
        <source>Sharing requires a Tindral account. Sign in via File › Sign In to enable sharing.</source>
        <translation>Le partage nécessite un compte Tindral. Connectez-vous avec Fichier › Se connecter pour l&apos;activer.</translation>
    </message>
    <message>
        <source>Sync this account once before sharing it</source>
        <translation>Synchronisez ce compte une fois avant de le partager</translation>
    </message>
    <message>
        <source>Share Account</source>
        <translation>Partager le compte</translation>
    </message>
    <message>
        <source>Sharing: %1</source>
        <translation>Partage : %1</translation>
    </message>
    <message>
        <source>Share this account with members of your Tindral family group. They&apos;ll see the same register, balances, and reconciliation history on their devices.</source>
        <translation>Partagez ce compte avec les membres de votre groupe familial Tindral. Ils verront les mêmes opérations, soldes et historique des rapprochements sur leurs appareils.</translation>
    </message>
    <message>
        <source>Shared with</source>
        <translation>Partagé avec</translation>
    </message>
    <message>
        <source>Not shared with anyone yet.</source>
        <translation>Pas encore partagé.</translation>
    </message>
    <message>
        <source>You&apos;re not part of a Tindral group yet. Create or join one under File › Tindral Account..., then share this account with its members.</source>
        <translation>Vous ne faites encore partie d&apos;aucun groupe Tindral. Créez-en un ou rejoignez-en un avec Fichier › Compte Tindral..., puis partagez ce compte avec ses membres.</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Partager</translation>
    </message>
    <message>
        <source>Remove Selected</source>
        <translation>Retirer la sélection</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Share Failed</source>
        <translation>Échec du partage</translation>
    </message>
    <message>
        <source>Remove Failed</source>
        <translation>Échec du retrait</translation>
    </message>
    <message>
        <source>Remove Share</source>
        <translation>Retirer le partage</translation>
    </message>
    <message>
        <source>Remove %1&apos;s access to this account?</source>
        <translation>Retirer à %1 l&apos;accès à ce compte ?</translation>
    </message>
    <message>
        <source>This account can be shared after its first sync.</source>
        <translation>Ce compte pourra être partagé après sa première synchronisation.</translation>
    </message>
</context>
<context>
    <name>AccountContextMenu</name>
    <message>
        <source>Account actions</source>
        <translation>Actions du compte</translation>
    </message>
    <message>
        <source>New Account...</source>
        <translation>Nouveau compte...</translation>
    </message>
    <message>
        <source>Edit &quot;%1&quot;...</source>
        <translation>Modifier « %1 »...</translation>
    </message>
    <message>
        <source>Reconcile...</source>
        <translation>Rapprocher...</translation>
    </message>
    <message>
        <source>Reconciliation History...</source>
        <translation>Historique des rapprochements...</translation>
    </message>
    <message>
        <source>Rename Payees...</source>
        <translation>Renommer les bénéficiaires...</translation>
    </message>
    <message>
        <source>Share...</source>
        <translation>Partager...</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;</source>
        <translation>Supprimer « %1 »</translation>
    </message>
</context>
<context>
    <name>AccountDevicesPage</name>
    <message>
        <source>Registered Devices</source>
        <translation>Appareils enregistrés</translation>
    </message>
    <message>
        <source>Devices that have synced with your account.</source>
        <translation>Appareils qui se sont synchronisés avec votre compte.</translation>
    </message>
    <message>
        <source>No devices registered.</source>
        <translation>Aucun appareil enregistré.</translation>
    </message>
    <message>
        <source>Unknown Device</source>
        <translation>Appareil inconnu</translation>
    </message>
    <message>
        <source>  ·  v%1</source>
        <translation>  ·  v%1</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Retirer %1</translation>
    </message>
    <message>
        <source>Remove Device</source>
        <translation>Retirer l&apos;appareil</translation>
    </message>
    <message>
        <source>Remove %1?</source>
        <translation>Retirer %1 ?</translation>
    </message>
    <message>
        <source>Device removed.</source>
        <translation>Appareil retiré.</translation>
    </message>
    <message>
        <source>Failed to remove device.</source>
        <translation>Impossible de retirer l&apos;appareil.</translation>
    </message>
</context>
<context>
    <name>AccountFormDialog</name>
    <message>
        <source>New Account</source>
        <translation>Nouveau compte</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>Modifier le compte</translation>
    </message>
    <message>
        <source>Account name</source>
        <translation>Nom du compte</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>Compte courant</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Épargne</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Carte de crédit</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Espèces</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>Placements</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autre</translation>
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
        <translation>Nom de la banque (facultatif)</translation>
    </message>
    <message>
        <source>Last 4 digits (optional)</source>
        <translation>4 derniers chiffres (facultatif)</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom :</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Type :</translation>
    </message>
    <message>
        <source>&amp;Currency:</source>
        <translation>&amp;Devise :</translation>
    </message>
    <message>
        <source>Starting &amp;Balance:</source>
        <translation>Solde &amp;initial :</translation>
    </message>
    <message>
        <source>&amp;As of:</source>
        <translation>&amp;En date du :</translation>
    </message>
    <message>
        <source>&amp;Institution:</source>
        <translation>&amp;Banque :</translation>
    </message>
    <message>
        <source>Account &amp;Number:</source>
        <translation>Numéro de &amp;compte :</translation>
    </message>
</context>
<context>
    <name>AccountGroupPage</name>
    <message>
        <source>No Group</source>
        <translation>Aucun groupe</translation>
    </message>
    <message>
        <source>You&apos;re not part of a group. The group owner can invite you, or you can join with an invite code.</source>
        <translation>Vous ne faites partie d&apos;aucun groupe. Le propriétaire d&apos;un groupe peut vous inviter, ou vous pouvez le rejoindre avec un code d&apos;invitation.</translation>
    </message>
    <message>
        <source>Join with Invite Code</source>
        <translation>Rejoindre avec un code d&apos;invitation</translation>
    </message>
    <message>
        <source>%1 of %2 seats used</source>
        <translation>Places occupées : %1 sur %2</translation>
    </message>
    <message>
        <source>Members</source>
        <translation>Membres</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Propriétaire</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Retirer %1</translation>
    </message>
    <message>
        <source>Remove Member</source>
        <translation>Retirer le membre</translation>
    </message>
    <message>
        <source>Remove %1 from the group?</source>
        <translation>Retirer %1 du groupe ?</translation>
    </message>
    <message>
        <source>Failed to remove %1.</source>
        <translation>Impossible de retirer %1.</translation>
    </message>
    <message>
        <source>%1 removed.</source>
        <translation>%1 a été retiré.</translation>
    </message>
    <message>
        <source>Pending Invitations</source>
        <translation>Invitations en attente</translation>
    </message>
    <message>
        <source>Invite code: %1</source>
        <translation>Code d&apos;invitation : %1</translation>
    </message>
    <message>
        <source>Revoke</source>
        <translation>Révoquer</translation>
    </message>
    <message>
        <source>Revoke invitation %1</source>
        <translation>Révoquer l&apos;invitation %1</translation>
    </message>
    <message>
        <source>Invitation revoked.</source>
        <translation>Invitation révoquée.</translation>
    </message>
    <message>
        <source>Failed to revoke invitation.</source>
        <translation>Impossible de révoquer l&apos;invitation.</translation>
    </message>
    <message>
        <source>Invite Members</source>
        <translation>Inviter des membres</translation>
    </message>
    <message>
        <source>Invite by Email</source>
        <translation>Inviter par e-mail</translation>
    </message>
    <message>
        <source>Generate Invite Code</source>
        <translation>Générer un code d&apos;invitation</translation>
    </message>
    <message>
        <source>Leave Group</source>
        <translation>Quitter le groupe</translation>
    </message>
    <message>
        <source>Leave this group? You will lose access to shared data.</source>
        <translation>Quitter ce groupe ? Vous n&apos;aurez plus accès aux données partagées.</translation>
    </message>
    <message>
        <source>Left group.</source>
        <translation>Vous avez quitté le groupe.</translation>
    </message>
    <message>
        <source>Failed to leave group.</source>
        <translation>Impossible de quitter le groupe.</translation>
    </message>
    <message>
        <source>Join Group</source>
        <translation>Rejoindre un groupe</translation>
    </message>
    <message>
        <source>Enter invite code:</source>
        <translation>Saisissez le code d&apos;invitation :</translation>
    </message>
    <message>
        <source>Joined group.</source>
        <translation>Vous avez rejoint le groupe.</translation>
    </message>
    <message>
        <source>Invalid or expired invite code.</source>
        <translation>Code d&apos;invitation non valide ou expiré.</translation>
    </message>
    <message>
        <source>Email address:</source>
        <translation>Adresse e-mail :</translation>
    </message>
    <message>
        <source>Invitation sent.</source>
        <translation>Invitation envoyée.</translation>
    </message>
    <message>
        <source>Failed to send invitation.</source>
        <translation>Impossible d&apos;envoyer l&apos;invitation.</translation>
    </message>
    <message>
        <source>Failed to generate code.</source>
        <translation>Impossible de générer le code.</translation>
    </message>
    <message>
        <source>Invite Code</source>
        <translation>Code d&apos;invitation</translation>
    </message>
    <message>
        <source>Share this code with the person you want to invite:

%1</source>
        <translation>Communiquez ce code à la personne que vous souhaitez inviter :

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
        <translation>Compte courant</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Épargne</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Carte de crédit</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Espèces</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>Placements</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autre</translation>
    </message>
    <message>
        <source>No accounts</source>
        <translation>Aucun compte</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>Total : %1</translation>
    </message>
</context>
<context>
    <name>AccountPrivacyPage</name>
    <message>
        <source>Danger Zone</source>
        <translation>Zone de danger</translation>
    </message>
    <message>
        <source>Permanently delete your account. This cannot be undone after 30 days.</source>
        <translation>Supprime définitivement votre compte. Passé 30 jours, impossible de revenir en arrière.</translation>
    </message>
    <message>
        <source>Delete Account</source>
        <translation>Supprimer le compte</translation>
    </message>
    <message>
        <source>You are the group owner. Transfer ownership or remove all members before deleting your account.</source>
        <translation>Vous êtes le propriétaire du groupe. Transférez-en la propriété ou retirez tous les membres avant de supprimer votre compte.</translation>
    </message>
    <message>
        <source>This will schedule your account for permanent deletion after 30 days.

Type DELETE to confirm:</source>
        <translation>Votre compte sera supprimé définitivement dans 30 jours.

Tapez DELETE pour confirmer :</translation>
    </message>
    <message>
        <source>Failed to delete account.</source>
        <translation>Impossible de supprimer le compte.</translation>
    </message>
    <message>
        <source>Account Scheduled for Deletion</source>
        <translation>Suppression du compte programmée</translation>
    </message>
    <message>
        <source>Your account will be permanently deleted in 30 days. You can recover it by signing in before then.</source>
        <translation>Votre compte sera supprimé définitivement dans 30 jours. Vous pouvez le récupérer en vous connectant d&apos;ici là.</translation>
    </message>
</context>
<context>
    <name>AccountProfilePage</name>
    <message>
        <source>Personal Information</source>
        <translation>Informations personnelles</translation>
    </message>
    <message>
        <source>(not set)</source>
        <translation>(non défini)</translation>
    </message>
    <message>
        <source>Display name</source>
        <translation>Nom affiché</translation>
    </message>
    <message>
        <source>Edit Display Name</source>
        <translation>Modifier le nom affiché</translation>
    </message>
    <message>
        <source>E-mail address</source>
        <translation>Adresse e-mail</translation>
    </message>
    <message>
        <source>Account Portal</source>
        <translation>Portail du compte</translation>
    </message>
    <message>
        <source>Billing, subscriptions and more are managed on the web.</source>
        <translation>La facturation, les abonnements et le reste se gèrent sur le Web.</translation>
    </message>
    <message>
        <source>Open Account Portal</source>
        <translation>Ouvrir le portail du compte</translation>
    </message>
    <message>
        <source>Display name:</source>
        <translation>Nom affiché :</translation>
    </message>
    <message>
        <source>Display name updated.</source>
        <translation>Nom affiché mis à jour.</translation>
    </message>
    <message>
        <source>Failed to update profile.</source>
        <translation>Impossible de mettre à jour le profil.</translation>
    </message>
</context>
<context>
    <name>AccountScreen</name>
    <message>
        <source>Tindral Account</source>
        <translation>Compte Tindral</translation>
    </message>
    <message>
        <source>Account sections</source>
        <translation>Sections du compte</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Groupe</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Appareils</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Sécurité</translation>
    </message>
    <message>
        <source>Data &amp; Privacy</source>
        <translation>Données et confidentialité</translation>
    </message>
    <message>
        <source>Account section</source>
        <translation>Section du compte</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>Active now</source>
        <translation>Active maintenant</translation>
    </message>
    <message>
        <source>%1m ago</source>
        <translation>il y a %1 min</translation>
    </message>
    <message>
        <source>%1h ago</source>
        <translation>il y a %1 h</translation>
    </message>
    <message>
        <source>%1d ago</source>
        <translation>il y a %1 j</translation>
    </message>
</context>
<context>
    <name>AccountSecurityPage</name>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Changer le mot de passe</translation>
    </message>
    <message>
        <source>Change your account password.</source>
        <translation>Changez le mot de passe de votre compte.</translation>
    </message>
    <message>
        <source>Active Sessions</source>
        <translation>Sessions actives</translation>
    </message>
    <message>
        <source>Sessions currently signed in to your account.</source>
        <translation>Sessions actuellement connectées à votre compte.</translation>
    </message>
    <message>
        <source>No active sessions.</source>
        <translation>Aucune session active.</translation>
    </message>
    <message>
        <source>Unknown client</source>
        <translation>Client inconnu</translation>
    </message>
    <message>
        <source>This session</source>
        <translation>Cette session</translation>
    </message>
    <message>
        <source>  ·  %1</source>
        <translation>  ·  %1</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Actuelle</translation>
    </message>
    <message>
        <source>Revoke</source>
        <translation>Révoquer</translation>
    </message>
    <message>
        <source>Revoke session %1</source>
        <translation>Révoquer la session %1</translation>
    </message>
    <message>
        <source>Session revoked.</source>
        <translation>Session révoquée.</translation>
    </message>
    <message>
        <source>Failed to revoke session.</source>
        <translation>Impossible de révoquer la session.</translation>
    </message>
    <message>
        <source>Current password:</source>
        <translation>Mot de passe actuel :</translation>
    </message>
    <message>
        <source>New password (min 8 characters):</source>
        <translation>Nouveau mot de passe (8 caractères min.) :</translation>
    </message>
    <message>
        <source>Password must be at least 8 characters.</source>
        <translation>Le mot de passe doit comporter au moins 8 caractères.</translation>
    </message>
    <message>
        <source>Confirm new password:</source>
        <translation>Confirmez le nouveau mot de passe :</translation>
    </message>
    <message>
        <source>Passwords do not match.</source>
        <translation>Les mots de passe ne correspondent pas.</translation>
    </message>
    <message>
        <source>Password changed.</source>
        <translation>Mot de passe modifié.</translation>
    </message>
    <message>
        <source>Failed to change password.</source>
        <translation>Impossible de changer le mot de passe.</translation>
    </message>
</context>
<context>
    <name>AccountSharingService</name>
    <message>
        <source>Failed to share account (HTTP %1)</source>
        <translation>Impossible de partager le compte (HTTP %1)</translation>
    </message>
</context>
<context>
    <name>AccountSidebar</name>
    <message>
        <source>Sidebar</source>
        <translation>Barre latérale</translation>
    </message>
    <message>
        <source>Accounts</source>
        <translation>Comptes</translation>
    </message>
    <message>
        <source>Total of all accounts</source>
        <translation>Total de tous les comptes</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Failed to initialize the database.

Data directory: %1

Please check file permissions and try again.</source>
        <translation>Impossible d&apos;ouvrir la base de données.

Dossier des données : %1

Vérifiez les droits d&apos;accès aux fichiers, puis réessayez.</translation>
    </message>
    <message>
        <source>Database Error</source>
        <translation>Erreur de base de données</translation>
    </message>
    <message>
        <source>Updating your data for this version of %1...</source>
        <translation>Mise à jour de vos données pour cette version de %1...</translation>
    </message>
</context>
<context>
    <name>BackgroundJob</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Annulation...</translation>
    </message>
    <message>
        <source>%1 rows done</source>
        <translation>%1 lignes traitées</translation>
    </message>
</context>
<context>
    <name>BackupFlow</name>
    <message>
        <source>Replace all with backup data</source>
        <translation>Tout remplacer par les données de la sauvegarde</translation>
    </message>
    <message>
        <source>Keep newer (compare timestamps)</source>
        <translation>Garder le plus récent (comparer les dates)</translation>
    </message>
    <message>
        <source>Skip existing items</source>
        <translation>Ignorer les éléments existants</translation>
    </message>
    <message>
        <source>Import Mode</source>
        <translation>Mode d&apos;importation</translation>
    </message>
    <message>
        <source>How should existing data be handled?</source>
        <translation>Que faire des données existantes ?</translation>
    </message>
    <message>
        <source>Replace Existing Data</source>
        <translation>Remplacer les données existantes</translation>
    </message>
    <message>
        <source>Every record in the backup replaces the record of the same id here, including changes made since the backup was written. Records that are not in the backup are kept.

Continue?</source>
        <translation>Chaque enregistrement de la sauvegarde remplace celui qui porte le même identifiant ici, y compris les modifications faites depuis la sauvegarde. Les enregistrements absents de la sauvegarde sont conservés.

Continuer ?</translation>
    </message>
    <message>
        <source>Export Backup</source>
        <translation>Exporter une sauvegarde</translation>
    </message>
    <message>
        <source>ZIP Files (*.zip)</source>
        <translation>Fichiers ZIP (*.zip)</translation>
    </message>
    <message>
        <source>Exporting backup...</source>
        <translation>Exportation de la sauvegarde...</translation>
    </message>
    <message>
        <source>Backup Complete</source>
        <translation>Sauvegarde terminée</translation>
    </message>
    <message>
        <source>Backup saved to:
%1</source>
        <translation>Sauvegarde enregistrée dans :
%1</translation>
    </message>
    <message>
        <source>Could not write to:
%1

%2</source>
        <translation>Impossible d&apos;écrire dans :
%1

%2</translation>
    </message>
    <message>
        <source>The backup could not be made: %1</source>
        <translation>Impossible de faire la sauvegarde : %1</translation>
    </message>
    <message>
        <source>The database could not be opened for the backup.</source>
        <translation>Impossible d&apos;ouvrir la base de données pour la sauvegarde.</translation>
    </message>
    <message>
        <source>Backup Failed</source>
        <translation>Échec de la sauvegarde</translation>
    </message>
    <message>
        <source>No backup file was written.</source>
        <translation>Aucun fichier de sauvegarde n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>Import Backup</source>
        <translation>Importer une sauvegarde</translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation>Échec de l&apos;importation</translation>
    </message>
    <message>
        <source>Could not read file.</source>
        <translation>Impossible de lire le fichier.</translation>
    </message>
    <message>
        <source>Restoring backup...</source>
        <translation>Restauration de la sauvegarde...</translation>
    </message>
    <message>
        <source>The database could not be opened for the restore.</source>
        <translation>Impossible d&apos;ouvrir la base de données pour la restauration.</translation>
    </message>
    <message>
        <source>Nothing was restored.</source>
        <translation>Rien n&apos;a été restauré.</translation>
    </message>
    <message>
        <source>Imported %1 items, skipped %2.</source>
        <translation>Éléments importés : %1 ; ignorés : %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n error(s) occurred.</source>
        <translation>
            <numerusform>%n erreur s&apos;est produite.</numerusform>
            <numerusform>%n erreurs se sont produites.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) were left out: they come from a newer version of Tindral Quillon.</source>
        <translation>
            <numerusform>%n ligne a été ignorée : elle provient d&apos;une version plus récente de Tindral Quillon.</numerusform>
            <numerusform>%n lignes ont été ignorées : elles proviennent d&apos;une version plus récente de Tindral Quillon.</numerusform>
        </translation>
    </message>
    <message>
        <source>Import Complete</source>
        <translation>Importation terminée</translation>
    </message>
</context>
<context>
    <name>BackupService</name>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Impossible de lire %1 : %2</translation>
    </message>
    <message>
        <source>%1: the row is too large for a backup (%2 bytes)</source>
        <translation>%1 : l&apos;enregistrement est trop volumineux pour une sauvegarde (%2 octets)</translation>
    </message>
    <message>
        <source>The database is too large for a backup</source>
        <translation>La base de données est trop volumineuse pour une sauvegarde</translation>
    </message>
    <message>
        <source>The archive could not be written</source>
        <translation>Impossible d&apos;écrire l&apos;archive</translation>
    </message>
    <message>
        <source>Failed to open ZIP archive</source>
        <translation>Impossible d&apos;ouvrir l&apos;archive ZIP</translation>
    </message>
    <message>
        <source>%1: entry too large</source>
        <translation>%1 : entrée trop volumineuse</translation>
    </message>
    <message>
        <source>Invalid backup: missing manifest.json</source>
        <translation>Sauvegarde non valide : manifest.json est absent</translation>
    </message>
    <message>
        <source>Unsupported backup version: %1</source>
        <translation>Version de sauvegarde non prise en charge : %1</translation>
    </message>
    <message>
        <source>The backup is too large to restore</source>
        <translation>La sauvegarde est trop volumineuse pour être restaurée</translation>
    </message>
    <message>
        <source>The backup could not be written to the database (%1); nothing was restored.</source>
        <translation>Impossible d&apos;écrire la sauvegarde dans la base de données (%1) ; rien n&apos;a été restauré.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>%1: unexpected error</source>
        <translation>%1 : erreur inattendue</translation>
    </message>
    <message>
        <source>%1: invalid JSON</source>
        <translation>%1 : JSON non valide</translation>
    </message>
    <message>
        <source>the row has no id</source>
        <translation>l&apos;enregistrement n&apos;a pas d&apos;identifiant</translation>
    </message>
    <message>
        <source>invalid value for %1</source>
        <translation>valeur non valide pour %1</translation>
    </message>
    <message>
        <source>The backup was cancelled</source>
        <translation>La sauvegarde a été annulée</translation>
    </message>
    <message>
        <source>The restore was cancelled; nothing was restored.</source>
        <translation>La restauration a été annulée ; rien n&apos;a été restauré.</translation>
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
        <translation>&lt; Précédent</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Mois précédent</translation>
    </message>
    <message>
        <source>Previous month (Alt+Left)</source>
        <translation>Mois précédent (Alt+Left)</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>Suivant &gt;</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Mois suivant</translation>
    </message>
    <message>
        <source>Next month (Alt+Right)</source>
        <translation>Mois suivant (Alt+Right)</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Co&amp;py Last Month</source>
        <translation>Co&amp;pier le mois précédent</translation>
    </message>
    <message>
        <source>Copy last month&apos;s budgets</source>
        <translation>Copier les budgets du mois précédent</translation>
    </message>
    <message>
        <source>Fill from &amp;Average</source>
        <translation>Remplir par la &amp;moyenne</translation>
    </message>
    <message>
        <source>Fill from the average of the last three months</source>
        <translation>Remplir avec la moyenne des trois derniers mois</translation>
    </message>
    <message>
        <source>Budget by category</source>
        <translation>Budget par catégorie</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Carried In</source>
        <translation>Report</translation>
    </message>
    <message>
        <source>Spent</source>
        <translation>Dépensé</translation>
    </message>
    <message>
        <source>Remaining</source>
        <translation>Restant</translation>
    </message>
    <message>
        <source>Used</source>
        <translation>Utilisé</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Totaux</translation>
    </message>
    <message>
        <source>Budget amount</source>
        <translation>Montant du budget</translation>
    </message>
    <message>
        <source>&amp;Roll over what is left</source>
        <translation>&amp;Reporter le reste</translation>
    </message>
    <message>
        <source>Roll over what is left into the next month</source>
        <translation>Reporter le reste sur le mois suivant</translation>
    </message>
    <message>
        <source>&amp;Set Budget</source>
        <translation>&amp;Définir le budget</translation>
    </message>
    <message>
        <source>Set budget</source>
        <translation>Définir le budget</translation>
    </message>
    <message>
        <source>C&amp;lear Budget</source>
        <translation>E&amp;ffacer le budget</translation>
    </message>
    <message>
        <source>Clear budget</source>
        <translation>Effacer le budget</translation>
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
        <translation> (somme)</translation>
    </message>
    <message>
        <source>%1: %2% of the budget used</source>
        <translation>%1 : %2 % du budget utilisé</translation>
    </message>
    <message>
        <source>Budget %1 · Carried in %2 · Spent %3 · Remaining %4</source>
        <translation>Budget %1 · Report %2 · Dépensé %3 · Restant %4</translation>
    </message>
    <message>
        <source>&amp;Budget:</source>
        <translation>&amp;Budget :</translation>
    </message>
    <message>
        <source>&amp;Budget for %1:</source>
        <translation>&amp;Budget pour %1 :</translation>
    </message>
    <message>
        <source>The budgets could not be saved.</source>
        <translation>Les budgets n’ont pas pu être enregistrés.</translation>
    </message>
    <message>
        <source>The month keeps its previous budgets.</source>
        <translation>Le mois garde ses budgets précédents.</translation>
    </message>
    <message>
        <source>Set Budget</source>
        <translation>Définir le budget</translation>
    </message>
    <message>
        <source>Clear Budget</source>
        <translation>Effacer le budget</translation>
    </message>
    <message>
        <source>Copy Last Month</source>
        <translation>Copier le mois précédent</translation>
    </message>
    <message>
        <source>Fill from Average</source>
        <translation>Remplir par la moyenne</translation>
    </message>
</context>
<context>
    <name>BudgetService</name>
    <message>
        <source>Copy Budgets from Last Month</source>
        <translation>Copier les budgets du mois précédent</translation>
    </message>
    <message>
        <source>Fill Budgets from Average</source>
        <translation>Remplir les budgets par la moyenne</translation>
    </message>
</context>
<context>
    <name>CategoriesScreen</name>
    <message>
        <source>+ New Category</source>
        <translation>+ Nouvelle catégorie</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Catégories</translation>
    </message>
    <message>
        <source>New Category</source>
        <translation>Nouvelle catégorie</translation>
    </message>
    <message>
        <source>Category tree</source>
        <translation>Arborescence des catégories</translation>
    </message>
    <message>
        <source>Category name:</source>
        <translation>Nom de la catégorie :</translation>
    </message>
    <message>
        <source>The category could not be created.</source>
        <translation>Impossible de créer la catégorie.</translation>
    </message>
    <message>
        <source>Nothing was added; your categories are unchanged.</source>
        <translation>Rien n&apos;a été ajouté ; vos catégories sont inchangées.</translation>
    </message>
    <message>
        <source>Edit Category</source>
        <translation>Modifier la catégorie</translation>
    </message>
    <message>
        <source>The category could not be renamed.</source>
        <translation>Impossible de renommer la catégorie.</translation>
    </message>
    <message>
        <source>It keeps its previous name.</source>
        <translation>Elle garde son nom précédent.</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;?</source>
        <translation>Supprimer « %1 » ?</translation>
    </message>
    <message numerus="yes">
        <source>%n transaction(s) using this category will become uncategorized.</source>
        <translation>
            <numerusform>%n opération de cette catégorie n&apos;aura plus de catégorie.</numerusform>
            <numerusform>%n opérations de cette catégorie n&apos;auront plus de catégorie.</numerusform>
        </translation>
    </message>
    <message>
        <source>No transactions use this category.</source>
        <translation>Aucune opération n&apos;utilise cette catégorie.</translation>
    </message>
    <message>
        <source>Its sub-categories will move to the top level.</source>
        <translation>Ses sous-catégories passeront au premier niveau.</translation>
    </message>
    <message>
        <source>Delete Category</source>
        <translation>Supprimer la catégorie</translation>
    </message>
    <message>
        <source>The category could not be deleted.</source>
        <translation>Impossible de supprimer la catégorie.</translation>
    </message>
    <message>
        <source>Nothing was changed: the category and its transactions are as they were.</source>
        <translation>Rien n&apos;a été modifié : la catégorie et ses opérations sont inchangées.</translation>
    </message>
    <message>
        <source>Category actions</source>
        <translation>Actions de la catégorie</translation>
    </message>
    <message>
        <source>&amp;New Category</source>
        <translation>&amp;Nouvelle catégorie</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
</context>
<context>
    <name>CategoryService</name>
    <message>
        <source>Charitable Donations</source>
        <translation>Dons</translation>
    </message>
    <message>
        <source>Medical Expenses</source>
        <translation>Frais médicaux</translation>
    </message>
    <message>
        <source>Business Expenses</source>
        <translation>Frais professionnels</translation>
    </message>
    <message>
        <source>Home Office</source>
        <translation>Bureau à domicile</translation>
    </message>
    <message>
        <source>Education Expenses</source>
        <translation>Formation</translation>
    </message>
    <message>
        <source>State &amp; Local Taxes</source>
        <translation>Impôts et taxes locales</translation>
    </message>
    <message>
        <source>Mortgage Interest</source>
        <translation>Intérêts d&apos;emprunt immobilier</translation>
    </message>
    <message>
        <source>Property Tax</source>
        <translation>Taxe foncière</translation>
    </message>
    <message>
        <source>Housing</source>
        <translation>Logement</translation>
    </message>
    <message>
        <source>Rent/Mortgage Payment</source>
        <translation>Loyer/Mensualité de prêt</translation>
    </message>
    <message>
        <source>Maintenance</source>
        <translation>Entretien</translation>
    </message>
    <message>
        <source>HOA</source>
        <translation>Charges de copropriété</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>Factures</translation>
    </message>
    <message>
        <source>Electric</source>
        <translation>Électricité</translation>
    </message>
    <message>
        <source>Gas</source>
        <translation>Gaz</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Eau</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Téléphone</translation>
    </message>
    <message>
        <source>Transportation</source>
        <translation>Transports</translation>
    </message>
    <message>
        <source>Gas/Fuel</source>
        <translation>Carburant</translation>
    </message>
    <message>
        <source>Car Payment</source>
        <translation>Crédit auto</translation>
    </message>
    <message>
        <source>Auto Insurance</source>
        <translation>Assurance auto</translation>
    </message>
    <message>
        <source>Public Transit</source>
        <translation>Transports en commun</translation>
    </message>
    <message>
        <source>Groceries</source>
        <translation>Courses</translation>
    </message>
    <message>
        <source>Dining &amp; Restaurants</source>
        <translation>Restaurants</translation>
    </message>
    <message>
        <source>Personal Care</source>
        <translation>Soins personnels</translation>
    </message>
    <message>
        <source>Pets</source>
        <translation>Animaux</translation>
    </message>
    <message>
        <source>Subscriptions</source>
        <translation>Abonnements</translation>
    </message>
    <message>
        <source>Gifts</source>
        <translation>Cadeaux</translation>
    </message>
    <message>
        <source>Miscellaneous</source>
        <translation>Divers</translation>
    </message>
    <message>
        <source>Entertainment</source>
        <translation>Loisirs</translation>
    </message>
    <message>
        <source>Streaming</source>
        <translation>Streaming</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Cinéma</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Sorties</translation>
    </message>
    <message>
        <source>Shopping</source>
        <translation>Achats</translation>
    </message>
    <message>
        <source>Clothing</source>
        <translation>Vêtements</translation>
    </message>
    <message>
        <source>Electronics</source>
        <translation>High-tech</translation>
    </message>
    <message>
        <source>Household</source>
        <translation>Maison</translation>
    </message>
    <message>
        <source>Insurance</source>
        <translation>Assurances</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>Santé</translation>
    </message>
    <message>
        <source>Life</source>
        <translation>Vie</translation>
    </message>
    <message>
        <source>Home/Renters</source>
        <translation>Habitation</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Fees &amp; Charges</source>
        <translation>Frais et commissions</translation>
    </message>
    <message>
        <source>Bank Fees</source>
        <translation>Frais bancaires</translation>
    </message>
    <message>
        <source>ATM Fees</source>
        <translation>Frais de retrait</translation>
    </message>
    <message>
        <source>Late Fees</source>
        <translation>Pénalités de retard</translation>
    </message>
    <message>
        <source>Salary / Wages</source>
        <translation>Salaire</translation>
    </message>
    <message>
        <source>Interest Income</source>
        <translation>Intérêts perçus</translation>
    </message>
    <message>
        <source>Dividend Income</source>
        <translation>Dividendes</translation>
    </message>
    <message>
        <source>Rental Income</source>
        <translation>Revenus locatifs</translation>
    </message>
    <message>
        <source>Freelance / Consulting</source>
        <translation>Activité indépendante</translation>
    </message>
    <message>
        <source>Refunds</source>
        <translation>Remboursements</translation>
    </message>
    <message>
        <source>Gifts Received</source>
        <translation>Cadeaux reçus</translation>
    </message>
    <message>
        <source>Other Income</source>
        <translation>Autres revenus</translation>
    </message>
</context>
<context>
    <name>CategoryTreeModel</name>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Tax Code</source>
        <translation>Code fiscal</translation>
    </message>
    <message>
        <source>Charitable contributions</source>
        <translation>Dons</translation>
    </message>
    <message>
        <source>Medical and dental</source>
        <translation>Frais médicaux et dentaires</translation>
    </message>
    <message>
        <source>Business expense</source>
        <translation>Frais professionnels</translation>
    </message>
    <message>
        <source>Home office</source>
        <translation>Bureau à domicile</translation>
    </message>
    <message>
        <source>Education</source>
        <translation>Éducation</translation>
    </message>
    <message>
        <source>State and local taxes</source>
        <translation>Impôts locaux et régionaux</translation>
    </message>
    <message>
        <source>Mortgage interest</source>
        <translation>Intérêts hypothécaires</translation>
    </message>
    <message>
        <source>Property tax</source>
        <translation>Taxe foncière</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Revenu</translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation>Virement</translation>
    </message>
    <message>
        <source>Expense</source>
        <translation>Dépense</translation>
    </message>
</context>
<context>
    <name>EmptyStatePage</name>
    <message>
        <source>Getting started</source>
        <translation>Premiers pas</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Compte</translation>
    </message>
    <message>
        <source>Welcome to Tindral Quillon</source>
        <translation>Bienvenue dans Tindral Quillon</translation>
    </message>
    <message>
        <source>Create your first account to get started.</source>
        <translation>Créez votre premier compte pour commencer.</translation>
    </message>
    <message>
        <source>Create Account</source>
        <translation>Créer un compte</translation>
    </message>
    <message>
        <source>You can also import transactions from a CSV file via File › Import.</source>
        <translation>Vous pouvez aussi importer des opérations depuis un fichier CSV avec Fichier › Importer.</translation>
    </message>
</context>
<context>
    <name>EntryWriter</name>
    <message>
        <source>New Transaction</source>
        <translation>Nouvelle opération</translation>
    </message>
    <message>
        <source>Edit Transaction</source>
        <translation>Modifier l&apos;opération</translation>
    </message>
    <message>
        <source>Mark Cleared</source>
        <translation>Marquer comme pointé</translation>
    </message>
    <message>
        <source>Mark Uncleared</source>
        <translation>Marquer comme non pointé</translation>
    </message>
    <message>
        <source>Split Transaction</source>
        <translation>Ventiler l&apos;opération</translation>
    </message>
    <message>
        <source>Memorize Transaction</source>
        <translation>Mémoriser l&apos;opération</translation>
    </message>
</context>
<context>
    <name>HelpMenuActions</name>
    <message>
        <source>About Tindral Quillon</source>
        <translation>À propos de Tindral Quillon</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Tindral Quillon&lt;/h3&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;A digital quillon register for tracking household finances.&lt;/p&gt;&lt;p&gt;&lt;small&gt;This application uses the Qt framework under the GNU LGPL version 3. The source code of Qt is available at &lt;a href=&quot;https://download.qt.io/&quot;&gt;download.qt.io&lt;/a&gt;.&lt;/small&gt;&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Tindral Quillon&lt;/h3&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;Un livre de comptes numérique pour suivre les finances du foyer.&lt;/p&gt;&lt;p&gt;&lt;small&gt;Cette application utilise le framework Qt sous licence GNU LGPL version 3. Le code source de Qt est disponible sur &lt;a href=&quot;https://download.qt.io/&quot;&gt;download.qt.io&lt;/a&gt;.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Opérations</translation>
    </message>
    <message>
        <source>Save transaction</source>
        <translation>Enregistrer l&apos;opération</translation>
    </message>
    <message>
        <source>Insert new transaction</source>
        <translation>Insérer une nouvelle opération</translation>
    </message>
    <message>
        <source>Delete current transaction</source>
        <translation>Supprimer l&apos;opération en cours</translation>
    </message>
    <message>
        <source>Tab / Shift+Tab</source>
        <translation>Tab / Shift+Tab</translation>
    </message>
    <message>
        <source>Next / previous field</source>
        <translation>Champ suivant / précédent</translation>
    </message>
    <message>
        <source>&apos; (apostrophe)</source>
        <translation>&apos; (apostrophe)</translation>
    </message>
    <message>
        <source>Copy value from field above</source>
        <translation>Recopier la valeur du champ du dessus</translation>
    </message>
    <message>
        <source>Date Field</source>
        <translation>Champ de date</translation>
    </message>
    <message>
        <source>t</source>
        <translation>t</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Aujourd&apos;hui</translation>
    </message>
    <message>
        <source>+ / -</source>
        <translation>+ / -</translation>
    </message>
    <message>
        <source>Next / previous day</source>
        <translation>Jour suivant / précédent</translation>
    </message>
    <message>
        <source>m / h</source>
        <translation>m / h</translation>
    </message>
    <message>
        <source>First / last day of month</source>
        <translation>Premier / dernier jour du mois</translation>
    </message>
    <message>
        <source>y / r</source>
        <translation>y / r</translation>
    </message>
    <message>
        <source>First / last day of year</source>
        <translation>Premier / dernier jour de l&apos;année</translation>
    </message>
    <message>
        <source>w / k</source>
        <translation>w / k</translation>
    </message>
    <message>
        <source>First / last day of week</source>
        <translation>Premier / dernier jour de la semaine</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Accounts</source>
        <translation>Comptes</translation>
    </message>
    <message>
        <source>Alt+1 &amp;ndash; Alt+9</source>
        <translation>Alt+1 &amp;ndash; Alt+9</translation>
    </message>
    <message>
        <source>Switch to account 1&amp;ndash;9</source>
        <translation>Aller au compte 1&amp;ndash;9</translation>
    </message>
    <message>
        <source>Alt+0</source>
        <translation>Alt+0</translation>
    </message>
    <message>
        <source>Switch to account 10</source>
        <translation>Aller au compte 10</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Raccourcis clavier</translation>
    </message>
    <message>
        <source>Tindral Quillon</source>
        <translation>Tindral Quillon</translation>
    </message>
    <message>
        <source>Sample Data</source>
        <translation>Données d&apos;exemple</translation>
    </message>
    <message>
        <source>Sample data is already loaded.</source>
        <translation>Les données d&apos;exemple sont déjà chargées.</translation>
    </message>
    <message>
        <source>Load Sample Data</source>
        <translation>Charger les données d&apos;exemple</translation>
    </message>
    <message>
        <source>The sample data could not be loaded.</source>
        <translation>Impossible de charger les données d&apos;exemple.</translation>
    </message>
    <message>
        <source>Nothing was added; your own accounts are unchanged.</source>
        <translation>Rien n&apos;a été ajouté ; vos propres comptes sont inchangés.</translation>
    </message>
    <message>
        <source>Sample data loaded</source>
        <translation>Données d&apos;exemple chargées</translation>
    </message>
    <message>
        <source>No sample data to clear.</source>
        <translation>Aucune donnée d&apos;exemple à effacer.</translation>
    </message>
    <message>
        <source>Clear Sample Data</source>
        <translation>Effacer les données d&apos;exemple</translation>
    </message>
    <message>
        <source>The sample data could not be removed.</source>
        <translation>Impossible d&apos;effacer les données d&apos;exemple.</translation>
    </message>
    <message>
        <source>Nothing was removed. A sample account that holds entries of your own stays until you move or delete them.</source>
        <translation>Rien n&apos;a été effacé. Un compte d&apos;exemple qui contient vos propres opérations reste en place tant que vous ne les avez pas déplacées ou supprimées.</translation>
    </message>
    <message>
        <source>Sample data cleared</source>
        <translation>Données d&apos;exemple effacées</translation>
    </message>
</context>
<context>
    <name>ImportColumnMapping</name>
    <message>
        <source>CSV Column Mapping:</source>
        <translation>Correspondance des colonnes CSV :</translation>
    </message>
    <message>
        <source>Date column:</source>
        <translation>Colonne de la date :</translation>
    </message>
    <message>
        <source>Date column</source>
        <translation>Colonne de la date</translation>
    </message>
    <message>
        <source>Payee column:</source>
        <translation>Colonne du bénéficiaire :</translation>
    </message>
    <message>
        <source>Payee column</source>
        <translation>Colonne du bénéficiaire</translation>
    </message>
    <message>
        <source>Amount column:</source>
        <translation>Colonne du montant :</translation>
    </message>
    <message>
        <source>Amount column</source>
        <translation>Colonne du montant</translation>
    </message>
    <message>
        <source>Memo column:</source>
        <translation>Colonne de la note :</translation>
    </message>
    <message>
        <source>Memo column</source>
        <translation>Colonne de la note</translation>
    </message>
    <message>
        <source>Category column:</source>
        <translation>Colonne de la catégorie :</translation>
    </message>
    <message>
        <source>Category column</source>
        <translation>Colonne de la catégorie</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucune)</translation>
    </message>
    <message>
        <source>Date format</source>
        <translation>Format de date</translation>
    </message>
    <message>
        <source>Date format:</source>
        <translation>Format de date :</translation>
    </message>
    <message>
        <source>First row is header</source>
        <translation>La première ligne est un en-tête</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Colonne %1</translation>
    </message>
    <message>
        <source>Col %1: %2</source>
        <translation>Col. %1 : %2</translation>
    </message>
</context>
<context>
    <name>ImportResultPage</name>
    <message>
        <source>Import result</source>
        <translation>Résultat de l&apos;importation</translation>
    </message>
    <message>
        <source>Rows not imported</source>
        <translation>Lignes non importées</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
</context>
<context>
    <name>ImportScreen</name>
    <message>
        <source>Import Transactions</source>
        <translation>Importer des opérations</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Compte</translation>
    </message>
    <message>
        <source>&amp;Account:</source>
        <translation>&amp;Compte :</translation>
    </message>
    <message>
        <source>No file selected</source>
        <translation>Aucun fichier sélectionné</translation>
    </message>
    <message>
        <source>Chosen file</source>
        <translation>Fichier choisi</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Parcourir...</translation>
    </message>
    <message>
        <source>Browse for a file</source>
        <translation>Rechercher un fichier</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Fichier :</translation>
    </message>
    <message>
        <source>QIF files carry their own dates, payees and amounts: no column mapping is needed.</source>
        <translation>Les fichiers QIF contiennent eux-mêmes dates, bénéficiaires et montants : aucune correspondance de colonnes n&apos;est nécessaire.</translation>
    </message>
    <message>
        <source>Preview of the file</source>
        <translation>Aperçu du fichier</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Select File</source>
        <translation>Choisir un fichier</translation>
    </message>
    <message>
        <source>The file could not be read: %1</source>
        <translation>Impossible de lire le fichier : %1</translation>
    </message>
    <message>
        <source>Col %1</source>
        <translation>Col. %1</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Bénéficiaire</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>(unreadable)</source>
        <translation>(illisible)</translation>
    </message>
    <message>
        <source>Importing transactions...</source>
        <translation>Importation des opérations...</translation>
    </message>
    <message>
        <source>Import cancelled.

Nothing was imported.</source>
        <translation>Importation annulée.

Rien n&apos;a été importé.</translation>
    </message>
    <message>
        <source>The database could not be opened for the import.</source>
        <translation>Impossible d&apos;ouvrir la base de données pour l&apos;importation.</translation>
    </message>
    <message>
        <source>Import failed.

%1

Nothing was imported.</source>
        <translation>Échec de l&apos;importation.

%1

Rien n&apos;a été importé.</translation>
    </message>
    <message>
        <source>Statement account</source>
        <translation>Compte du relevé</translation>
    </message>
    <message>
        <source>Create the statement&apos;s account</source>
        <translation>Créer le compte du relevé</translation>
    </message>
    <message>
        <source>Bank Files (*.csv *.qif *.ofx *.qfx *.xml);;CSV Files (*.csv);;QIF Files (*.qif);;OFX and QFX Files (*.ofx *.qfx);;CAMT.053 Statements (*.xml);;All Files (*)</source>
        <translation>Fichiers bancaires (*.csv *.qif *.ofx *.qfx *.xml);;Fichiers CSV (*.csv);;Fichiers QIF (*.qif);;Fichiers OFX et QFX (*.ofx *.qfx);;Relevés CAMT.053 (*.xml);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Bank statements (OFX, QFX, CAMT.053) carry their own dates, payees and amounts: no column mapping is needed.</source>
        <translation>Les relevés bancaires (OFX, QFX, CAMT.053) portent leurs propres dates, bénéficiaires et montants : aucune correspondance de colonnes n&apos;est nécessaire.</translation>
    </message>
    <message>
        <source>The statement is for account %1: %2 is chosen.</source>
        <translation>Le relevé concerne le compte %1 : %2 est choisi.</translation>
    </message>
    <message>
        <source>The statement is for account %1, which none of your accounts is.</source>
        <translation>Le relevé concerne le compte %1, qui n&apos;est aucun de vos comptes.</translation>
    </message>
    <message>
        <source>Create Account %1</source>
        <translation>Créer le compte %1</translation>
    </message>
    <message>
        <source>Account %1</source>
        <translation>Compte %1</translation>
    </message>
    <message>
        <source>The account could not be created.</source>
        <translation>Le compte n&apos;a pas pu être créé.</translation>
    </message>
    <message>
        <source>After Rules</source>
        <translation>Après les règles</translation>
    </message>
    <message numerus="yes">
        <source>%n linked as transfers to rows in other accounts</source>
        <translation>
            <numerusform>%n liée comme virement à une opération d&apos;un autre compte</numerusform>
            <numerusform>%n liées comme virements à des opérations d&apos;autres comptes</numerusform>
        </translation>
    </message>
    <message>
        <source>Bank&apos;s ledger balance %1 on %2: %3
Account balance after import: %4</source>
        <translation>Solde comptable de la banque %1 au %2 : %3
Solde du compte après l&apos;import : %4</translation>
    </message>
    <message>
        <source>Import complete!</source>
        <translation>Importation terminée !</translation>
    </message>
    <message numerus="yes">
        <source>%n transaction(s) imported</source>
        <translation>
            <numerusform>%n opération importée</numerusform>
            <numerusform>%n opérations importées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n duplicate(s) skipped</source>
        <translation>
            <numerusform>%n doublon ignoré</numerusform>
            <numerusform>%n doublons ignorés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) could not be read or stored:</source>
        <translation>
            <numerusform>%n ligne n&apos;a pas pu être lue ou enregistrée :</numerusform>
            <numerusform>%n lignes n&apos;ont pas pu être lues ou enregistrées :</numerusform>
        </translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Ligne %1 : %2</translation>
    </message>
    <message numerus="yes">
        <source>… and %n more row(s)</source>
        <translation>
            <numerusform>… et %n ligne de plus</numerusform>
            <numerusform>… et %n lignes de plus</numerusform>
        </translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>inconnu</translation>
    </message>
</context>
<context>
    <name>ImportService</name>
    <message>
        <source>Its category &quot;%1&quot; could not be created</source>
        <translation>Sa catégorie « %1 » n&apos;a pas pu être créée</translation>
    </message>
    <message>
        <source>The database refused it: %1</source>
        <translation>La base de données l&apos;a refusée : %1</translation>
    </message>
    <message numerus="yes">
        <source>It has %n column(s), fewer than the columns chosen</source>
        <translation>
            <numerusform>Elle a %n colonne, moins que les colonnes choisies</numerusform>
            <numerusform>Elle a %n colonnes, moins que les colonnes choisies</numerusform>
        </translation>
    </message>
    <message>
        <source>The date &quot;%1&quot; cannot be read as %2</source>
        <translation>La date « %1 » ne peut pas être lue comme %2</translation>
    </message>
    <message>
        <source>The amount &quot;%1&quot; cannot be read</source>
        <translation>Le montant « %1 » ne peut pas être lu</translation>
    </message>
    <message>
        <source>The date is missing or cannot be read</source>
        <translation>La date manque ou ne peut pas être lue</translation>
    </message>
    <message>
        <source>The amount cannot be read</source>
        <translation>Le montant ne peut pas être lu</translation>
    </message>
    <message>
        <source>no number</source>
        <translation>sans numéro</translation>
    </message>
    <message>
        <source>The file holds statements of several accounts (%1). Enter the last four digits of this account&apos;s number in its settings to import its statement alone. Nothing was imported.</source>
        <translation>Le fichier contient des relevés de plusieurs comptes (%1). Saisissez les quatre derniers chiffres du numéro de ce compte dans ses réglages pour importer son seul relevé. Rien n’a été importé.</translation>
    </message>
    <message>
        <source>The file holds statements of several accounts (%1) and none of them ends in this account&apos;s last four digits, %2. Nothing was imported.</source>
        <translation>Le fichier contient des relevés de plusieurs comptes (%1) et aucun ne se termine par les quatre derniers chiffres de ce compte, %2. Rien n’a été importé.</translation>
    </message>
    <message>
        <source>The file holds statements of several accounts (%1) and more than one ends in this account&apos;s last four digits, %2. Nothing was imported.</source>
        <translation>Le fichier contient des relevés de plusieurs comptes (%1) et plus d’un se termine par les quatre derniers chiffres de ce compte, %2. Rien n’a été importé.</translation>
    </message>
    <message numerus="yes">
        <source>Import of %n Transaction(s)</source>
        <translation>
            <numerusform>Importation de %n opération</numerusform>
            <numerusform>Importation de %n opérations</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LedgerWriter</name>
    <message>
        <source>New Account</source>
        <translation>Nouveau compte</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>Modifier le compte</translation>
    </message>
    <message>
        <source>New Transaction</source>
        <translation>Nouvelle opération</translation>
    </message>
    <message>
        <source>Edit Transaction</source>
        <translation>Modifier l&apos;opération</translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation>Supprimer l&apos;opération</translation>
    </message>
    <message>
        <source>Delete Account</source>
        <translation>Supprimer le compte</translation>
    </message>
    <message>
        <source>Restore Account</source>
        <translation>Restaurer le compte</translation>
    </message>
    <message>
        <source>Delete Category</source>
        <translation>Supprimer la catégorie</translation>
    </message>
    <message>
        <source>Split Transaction</source>
        <translation>Ventiler l&apos;opération</translation>
    </message>
    <message>
        <source>New Recurring Transaction</source>
        <translation>Nouvelle opération récurrente</translation>
    </message>
    <message>
        <source>Edit Recurring Transaction</source>
        <translation>Modifier l&apos;opération récurrente</translation>
    </message>
    <message>
        <source>Delete Recurring Transaction</source>
        <translation>Supprimer l&apos;opération récurrente</translation>
    </message>
    <message>
        <source>New Category</source>
        <translation>Nouvelle catégorie</translation>
    </message>
    <message>
        <source>Rename Category</source>
        <translation>Renommer la catégorie</translation>
    </message>
    <message>
        <source>Merge Payees</source>
        <translation>Fusionner les bénéficiaires</translation>
    </message>
    <message>
        <source>Rename Payee</source>
        <translation>Renommer le bénéficiaire</translation>
    </message>
    <message>
        <source>Set Budget</source>
        <translation>Définir le budget</translation>
    </message>
    <message>
        <source>Clear Budget</source>
        <translation>Effacer le budget</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New Transaction</source>
        <translation>&amp;Nouvelle opération</translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation>Ctrl+N</translation>
    </message>
    <message>
        <source>New transaction</source>
        <translation>Nouvelle opération</translation>
    </message>
    <message>
        <source>New &amp;Account</source>
        <translation>Nouveau &amp;compte</translation>
    </message>
    <message>
        <source>Ctrl+Shift+N</source>
        <translation>Ctrl+Shift+N</translation>
    </message>
    <message>
        <source>New account</source>
        <translation>Nouveau compte</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importer...</translation>
    </message>
    <message>
        <source>Ctrl+I</source>
        <translation>Ctrl+I</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Import &amp;Rules...</source>
        <translation>&amp;Règles d&apos;import...</translation>
    </message>
    <message>
        <source>&amp;Tindral Account...</source>
        <translation>Compte &amp;Tindral...</translation>
    </message>
    <message>
        <source>&amp;Sign In...</source>
        <translation>&amp;Se connecter...</translation>
    </message>
    <message>
        <source>Sign &amp;Out</source>
        <translation>Se &amp;déconnecter</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Ré&amp;tablir</translation>
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
        <translation>&amp;Rechercher...</translation>
    </message>
    <message>
        <source>Search transactions</source>
        <translation>Rechercher des opérations</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>&amp;Préférences...</translation>
    </message>
    <message>
        <source>&amp;Account</source>
        <translation>&amp;Compte</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Modifier...</translation>
    </message>
    <message>
        <source>&amp;Reconcile...</source>
        <translation>&amp;Rapprocher...</translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation>Ctrl+R</translation>
    </message>
    <message>
        <source>Reconcile account</source>
        <translation>Rapprocher le compte</translation>
    </message>
    <message>
        <source>Reconciliation &amp;History...</source>
        <translation>&amp;Historique des rapprochements...</translation>
    </message>
    <message>
        <source>Rename &amp;Payees...</source>
        <translation>Renommer les &amp;bénéficiaires...</translation>
    </message>
    <message>
        <source>&amp;Share...</source>
        <translation>&amp;Partager...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Reports</source>
        <translation>&amp;Rapports</translation>
    </message>
    <message>
        <source>Ctrl+2</source>
        <translation>Ctrl+2</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Rapports</translation>
    </message>
    <message>
        <source>Re&amp;curring Transactions</source>
        <translation>Opérations ré&amp;currentes</translation>
    </message>
    <message>
        <source>Ctrl+3</source>
        <translation>Ctrl+3</translation>
    </message>
    <message>
        <source>Recurring transactions</source>
        <translation>Opérations récurrentes</translation>
    </message>
    <message>
        <source>C&amp;ategories</source>
        <translation>Ca&amp;tégories</translation>
    </message>
    <message>
        <source>Ctrl+4</source>
        <translation>Ctrl+4</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Catégories</translation>
    </message>
    <message>
        <source>&amp;Budget</source>
        <translation>&amp;Budget</translation>
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
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <source>&amp;About Tindral Quillon</source>
        <translation>À &amp;propos de Tindral Quillon</translation>
    </message>
    <message>
        <source>What&apos;s &amp;New...</source>
        <translation>&amp;Nouveautés...</translation>
    </message>
    <message>
        <source>Check for &amp;Updates...</source>
        <translation>Rechercher des &amp;mises à jour...</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>&amp;Raccourcis clavier</translation>
    </message>
    <message>
        <source>Load &amp;Sample Data</source>
        <translation>&amp;Charger les données d&apos;exemple</translation>
    </message>
    <message>
        <source>&amp;Clear Sample Data</source>
        <translation>&amp;Effacer les données d&apos;exemple</translation>
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
        <translation>Pages</translation>
    </message>
    <message>
        <source>Sidebar and pages</source>
        <translation>Barre latérale et pages</translation>
    </message>
    <message>
        <source>Sidebar width</source>
        <translation>Largeur de la barre latérale</translation>
    </message>
    <message numerus="yes">
        <source>Auto-posted %n recurring transaction(s)</source>
        <translation>
            <numerusform>%n opération récurrente passée automatiquement</numerusform>
            <numerusform>%n opérations récurrentes passées automatiquement</numerusform>
        </translation>
    </message>
    <message>
        <source>Select an account first</source>
        <translation>Sélectionnez d&apos;abord un compte</translation>
    </message>
    <message>
        <source>Sync complete</source>
        <translation>Synchronisation terminée</translation>
    </message>
    <message>
        <source>Sync failed: %1</source>
        <translation>Échec de la synchronisation : %1</translation>
    </message>
    <message>
        <source>Signed in successfully</source>
        <translation>Connexion réussie</translation>
    </message>
    <message>
        <source>Sign-in failed: %1</source>
        <translation>Échec de la connexion : %1</translation>
    </message>
    <message>
        <source>Not signed in</source>
        <translation>Non connecté</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Rapports</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Catégories</translation>
    </message>
    <message>
        <source>Recurring Transactions</source>
        <translation>Opérations récurrentes</translation>
    </message>
    <message>
        <source>Search Transactions</source>
        <translation>Rechercher des opérations</translation>
    </message>
    <message>
        <source>That transaction no longer exists</source>
        <translation>Cette opération n&apos;existe plus</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>Reconciliation History</source>
        <translation>Historique des rapprochements</translation>
    </message>
    <message>
        <source>No Accounts</source>
        <translation>Aucun compte</translation>
    </message>
    <message>
        <source>You need to create an account before importing transactions. Create one now?</source>
        <translation>Vous devez créer un compte avant d&apos;importer des opérations. Le créer maintenant ?</translation>
    </message>
    <message>
        <source>Import Transactions</source>
        <translation>Importer des opérations</translation>
    </message>
    <message>
        <source>Payee Management</source>
        <translation>Gestion des bénéficiaires</translation>
    </message>
    <message>
        <source>Tindral Account</source>
        <translation>Compte Tindral</translation>
    </message>
    <message>
        <source>Import Rules</source>
        <translation>Règles d&apos;import</translation>
    </message>
    <message>
        <source>Budget</source>
        <translation>Budget</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Ré&amp;tablir</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annuler : %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>Ré&amp;tablir : %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Your books were left as they are.</source>
        <translation>Vos comptes restent tels quels.</translation>
    </message>
</context>
<context>
    <name>PayeeMemoEditor</name>
    <message>
        <source>Payee</source>
        <translation>Bénéficiaire</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Note</translation>
    </message>
</context>
<context>
    <name>PayeeScreen</name>
    <message>
        <source>Rename Selected</source>
        <translation>Renommer la sélection</translation>
    </message>
    <message>
        <source>Merge Selected</source>
        <translation>Fusionner la sélection</translation>
    </message>
    <message>
        <source>Payee Management</source>
        <translation>Gestion des bénéficiaires</translation>
    </message>
    <message>
        <source>Payees</source>
        <translation>Bénéficiaires</translation>
    </message>
    <message>
        <source>Rename to:</source>
        <translation>Renommer en :</translation>
    </message>
    <message>
        <source>Rename to</source>
        <translation>Renommer en</translation>
    </message>
    <message>
        <source>Rename Payees</source>
        <translation>Renommer les bénéficiaires</translation>
    </message>
    <message>
        <source>The payees could not be renamed.</source>
        <translation>Impossible de renommer les bénéficiaires.</translation>
    </message>
    <message>
        <source>Nothing was changed; every transaction keeps its payee.</source>
        <translation>Rien n&apos;a été modifié ; chaque opération garde son bénéficiaire.</translation>
    </message>
    <message>
        <source>Rename Complete</source>
        <translation>Renommage terminé</translation>
    </message>
    <message numerus="yes">
        <source>Renamed %n transaction(s).</source>
        <translation>
            <numerusform>%n opération renommée.</numerusform>
            <numerusform>%n opérations renommées.</numerusform>
        </translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Fusionner</translation>
    </message>
    <message>
        <source>Select 2 or more payees to merge.</source>
        <translation>Sélectionnez au moins 2 bénéficiaires à fusionner.</translation>
    </message>
    <message>
        <source>Merge Payees</source>
        <translation>Fusionner les bénéficiaires</translation>
    </message>
    <message>
        <source>Merge %1 payees into &quot;%2&quot;?</source>
        <translation>Fusionner %1 bénéficiaires en « %2 » ?</translation>
    </message>
    <message>
        <source>Merge Complete</source>
        <translation>Fusion terminée</translation>
    </message>
    <message numerus="yes">
        <source>Merged %n transaction(s).</source>
        <translation>
            <numerusform>%n opération fusionnée.</numerusform>
            <numerusform>%n opérations fusionnées.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QCalendarWidget</name>
    <message>
        <source>Calendar</source>
        <translation>Calendrier</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>The server said: %1</source>
        <translation>Réponse du serveur : %1</translation>
    </message>
</context>
<context>
    <name>ReconciliationHistoryScreen</name>
    <message>
        <source>Reconciliation History</source>
        <translation>Historique des rapprochements</translation>
    </message>
    <message>
        <source>No reconciliations yet. Reconcile your account from the register to see the history here.</source>
        <translation>Aucun rapprochement pour l&apos;instant. Rapprochez votre compte depuis ses opérations pour en voir l&apos;historique ici.</translation>
    </message>
    <message>
        <source>Past reconciliations for this account.</source>
        <translation>Rapprochements précédents de ce compte.</translation>
    </message>
    <message>
        <source>Statement Date</source>
        <translation>Date du relevé</translation>
    </message>
    <message>
        <source>Statement Balance</source>
        <translation>Solde du relevé</translation>
    </message>
    <message>
        <source>Reconciled Balance</source>
        <translation>Solde rapproché</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Terminé le</translation>
    </message>
    <message>
        <source>Past reconciliations</source>
        <translation>Rapprochements précédents</translation>
    </message>
    <message>
        <source>No reconciliations</source>
        <translation>Aucun rapprochement</translation>
    </message>
    <message>
        <source>Reconciliation History — %1</source>
        <translation>Historique des rapprochements — %1</translation>
    </message>
</context>
<context>
    <name>ReconciliationModel</name>
    <message>
        <source>Ticked</source>
        <translation>Coché</translation>
    </message>
    <message>
        <source>Not ticked</source>
        <translation>Non coché</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Bénéficiaire</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>Pt</translation>
    </message>
</context>
<context>
    <name>ReconciliationScreen</name>
    <message>
        <source>Finish Reconciliation</source>
        <translation>Terminer le rapprochement</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Add Transaction</source>
        <translation>Ajouter une opération</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Reconcile Account</source>
        <translation>Rapprocher le compte</translation>
    </message>
    <message>
        <source>Statement Date:</source>
        <translation>Date du relevé :</translation>
    </message>
    <message>
        <source>Statement date</source>
        <translation>Date du relevé</translation>
    </message>
    <message>
        <source>Statement Balance:</source>
        <translation>Solde du relevé :</translation>
    </message>
    <message>
        <source>Statement balance</source>
        <translation>Solde du relevé</translation>
    </message>
    <message>
        <source>Unreconciled transactions</source>
        <translation>Opérations non rapprochées</translation>
    </message>
    <message>
        <source>Edit selected transaction (F2)</source>
        <translation>Modifier l&apos;opération sélectionnée (F2)</translation>
    </message>
    <message>
        <source>Edit transaction</source>
        <translation>Modifier l&apos;opération</translation>
    </message>
    <message>
        <source>Delete transaction</source>
        <translation>Supprimer l&apos;opération</translation>
    </message>
    <message>
        <source>Space, C or R: tick the current row</source>
        <translation>Espace, C ou R : cocher la ligne en cours</translation>
    </message>
    <message>
        <source>Previous Balance</source>
        <translation>Solde précédent</translation>
    </message>
    <message>
        <source>Previous balance</source>
        <translation>Solde précédent</translation>
    </message>
    <message>
        <source>Cleared Deposits</source>
        <translation>Crédits pointés</translation>
    </message>
    <message>
        <source>Cleared deposits</source>
        <translation>Crédits pointés</translation>
    </message>
    <message>
        <source>Cleared Withdrawals</source>
        <translation>Débits pointés</translation>
    </message>
    <message>
        <source>Cleared withdrawals</source>
        <translation>Débits pointés</translation>
    </message>
    <message>
        <source>Cleared Balance</source>
        <translation>Solde pointé</translation>
    </message>
    <message>
        <source>Cleared balance</source>
        <translation>Solde pointé</translation>
    </message>
    <message>
        <source>Statement Balance</source>
        <translation>Solde du relevé</translation>
    </message>
    <message>
        <source>Statement balance total</source>
        <translation>Total du solde du relevé</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Écart</translation>
    </message>
    <message>
        <source>Cancel reconciliation</source>
        <translation>Annuler le rapprochement</translation>
    </message>
    <message>
        <source>Reconciliation Complete</source>
        <translation>Rapprochement terminé</translation>
    </message>
    <message>
        <source>Account reconciled successfully.</source>
        <translation>Le compte a bien été rapproché.</translation>
    </message>
    <message>
        <source>Transactions Changed</source>
        <translation>Opérations modifiées</translation>
    </message>
    <message numerus="yes">
        <source>%n ticked transaction(s) changed since the list was shown. The list now shows them as they are stored; check the difference and finish again.</source>
        <translation>
            <numerusform>%n opération cochée a changé depuis l&apos;affichage de la liste. La liste la montre maintenant telle qu&apos;elle est enregistrée ; vérifiez l&apos;écart et terminez à nouveau.</numerusform>
            <numerusform>%n opérations cochées ont changé depuis l&apos;affichage de la liste. La liste les montre maintenant telles qu&apos;elles sont enregistrées ; vérifiez l&apos;écart et terminez à nouveau.</numerusform>
        </translation>
    </message>
    <message>
        <source>The stored transactions no longer add up to the statement balance (a ticked transaction was deleted or changed elsewhere). The list has been reloaded; check the difference and finish again.</source>
        <translation>Les opérations enregistrées ne correspondent plus au solde du relevé (une opération cochée a été supprimée ou modifiée ailleurs). La liste a été rechargée ; vérifiez l&apos;écart et terminez à nouveau.</translation>
    </message>
    <message>
        <source>This account no longer exists.</source>
        <translation>Ce compte n&apos;existe plus.</translation>
    </message>
    <message>
        <source>Nothing was recorded.</source>
        <translation>Rien n&apos;a été enregistré.</translation>
    </message>
    <message>
        <source>The reconciliation could not be saved.</source>
        <translation>Impossible d&apos;enregistrer le rapprochement.</translation>
    </message>
    <message>
        <source>No transaction was marked reconciled and your ticks are kept; you can finish again.</source>
        <translation>Aucune opération n&apos;a été marquée comme rapprochée et vos coches sont conservées ; vous pouvez terminer à nouveau.</translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation>Supprimer l&apos;opération</translation>
    </message>
    <message>
        <source>Delete the transaction for %1?</source>
        <translation>Supprimer l&apos;opération « %1 » ?</translation>
    </message>
    <message>
        <source>This transaction was already deleted elsewhere.</source>
        <translation>Cette opération a déjà été supprimée ailleurs.</translation>
    </message>
    <message>
        <source>The transaction could not be deleted.</source>
        <translation>Impossible de supprimer l&apos;opération.</translation>
    </message>
    <message>
        <source>It is still in the account.</source>
        <translation>Elle est toujours dans le compte.</translation>
    </message>
    <message>
        <source>Add a transaction (%1)</source>
        <translation>Ajouter une opération (%1)</translation>
    </message>
    <message>
        <source>Delete selected transaction (%1)</source>
        <translation>Supprimer l&apos;opération sélectionnée (%1)</translation>
    </message>
</context>
<context>
    <name>ReconciliationService</name>
    <message>
        <source>Finish Reconciliation</source>
        <translation>Terminer le rapprochement</translation>
    </message>
</context>
<context>
    <name>ReconciliationWindows</name>
    <message>
        <source>Reconcile — %1</source>
        <translation>Rapprochement — %1</translation>
    </message>
    <message>
        <source>Edit Transaction</source>
        <translation>Modifier l&apos;opération</translation>
    </message>
    <message>
        <source>This transaction no longer exists.</source>
        <translation>Cette opération n&apos;existe plus.</translation>
    </message>
    <message>
        <source>The account named after [Transfer] does not exist.</source>
        <translation>Le compte nommé après [Transfer] n&apos;existe pas.</translation>
    </message>
    <message>
        <source>A transfer needs another account.</source>
        <translation>Un virement nécessite un autre compte.</translation>
    </message>
    <message>
        <source>The transaction was deleted meanwhile.</source>
        <translation>L&apos;opération a été supprimée entre-temps.</translation>
    </message>
    <message>
        <source>An existing transaction cannot become a transfer; delete it and enter the transfer as a new transaction.</source>
        <translation>Une opération existante ne peut pas devenir un virement ; supprimez-la et saisissez le virement comme nouvelle opération.</translation>
    </message>
    <message>
        <source>The other side of the transfer is reconciled.</source>
        <translation>L’autre côté du virement est rapproché.</translation>
    </message>
    <message>
        <source>Nothing was stored.</source>
        <translation>Rien n&apos;a été enregistré.</translation>
    </message>
    <message>
        <source>The transaction could not be saved.</source>
        <translation>L&apos;opération n&apos;a pas pu être enregistrée.</translation>
    </message>
</context>
<context>
    <name>RecurringFormDialog</name>
    <message>
        <source>New Recurring Transaction</source>
        <translation>Nouvelle opération récurrente</translation>
    </message>
    <message>
        <source>Edit Recurring Transaction</source>
        <translation>Modifier l&apos;opération récurrente</translation>
    </message>
    <message>
        <source>Memorize Transaction</source>
        <translation>Mémoriser l&apos;opération</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Compte</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Compte :</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Débit</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Crédit</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type :</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Bénéficiaire</translation>
    </message>
    <message>
        <source>Start typing to search payees...</source>
        <translation>Saisissez du texte pour chercher un bénéficiaire...</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>Bénéficiaire :</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Montant :</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucune)</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Catégorie :</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Facultatif</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>Note :</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Quotidienne</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Hebdomadaire</translation>
    </message>
    <message>
        <source>Bi-weekly</source>
        <translation>Toutes les deux semaines</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Mensuelle</translation>
    </message>
    <message>
        <source>Quarterly</source>
        <translation>Trimestrielle</translation>
    </message>
    <message>
        <source>Semi-annual</source>
        <translation>Semestrielle</translation>
    </message>
    <message>
        <source>Annual</source>
        <translation>Annuelle</translation>
    </message>
    <message>
        <source>Frequency:</source>
        <translation>Fréquence :</translation>
    </message>
    <message>
        <source>Start date</source>
        <translation>Date de début</translation>
    </message>
    <message>
        <source>Start Date:</source>
        <translation>Date de début :</translation>
    </message>
    <message>
        <source>Next due date</source>
        <translation>Prochaine échéance</translation>
    </message>
    <message>
        <source>The next occurrence to confirm or post</source>
        <translation>La prochaine échéance à confirmer ou à passer</translation>
    </message>
    <message>
        <source>Next Due:</source>
        <translation>Prochaine échéance :</translation>
    </message>
    <message>
        <source>Has end date</source>
        <translation>Avec date de fin</translation>
    </message>
    <message>
        <source>End date</source>
        <translation>Date de fin</translation>
    </message>
    <message>
        <source>End Date:</source>
        <translation>Date de fin :</translation>
    </message>
    <message>
        <source>Auto-post when due</source>
        <translation>Passer automatiquement à l&apos;échéance</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Active</translation>
    </message>
    <message>
        <source>Form problem</source>
        <translation>Problème dans le formulaire</translation>
    </message>
    <message>
        <source>Choose an account; create one first if there is none.</source>
        <translation>Choisissez un compte ; s&apos;il n&apos;y en a aucun, créez-en un d&apos;abord.</translation>
    </message>
    <message>
        <source>Payee is required.</source>
        <translation>Le bénéficiaire est obligatoire.</translation>
    </message>
    <message>
        <source>A transfer cannot go to the account it comes from.</source>
        <translation>Un virement ne peut pas aller vers le compte d&apos;où il part.</translation>
    </message>
    <message>
        <source>The next due date must be after %1, the date of the memorized transaction.</source>
        <translation>La prochaine échéance doit être postérieure au %1, date de l&apos;opération mémorisée.</translation>
    </message>
    <message>
        <source>The next due date must be after %1: the occurrences up to then were posted already.</source>
        <translation>La prochaine échéance doit être postérieure au %1 : les échéances jusqu&apos;à cette date ont déjà été passées.</translation>
    </message>
    <message>
        <source>The end date is before the next due date, so nothing would ever be posted.</source>
        <translation>La date de fin précède la prochaine échéance : rien ne serait jamais passé.</translation>
    </message>
</context>
<context>
    <name>RecurringModel</name>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Active</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Inactive</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Compte</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Bénéficiaire</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>Next Due</source>
        <translation>Prochaine échéance</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Quotidienne</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Hebdomadaire</translation>
    </message>
    <message>
        <source>Bi-weekly</source>
        <translation>Toutes les deux semaines</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Mensuelle</translation>
    </message>
    <message>
        <source>Quarterly</source>
        <translation>Trimestrielle</translation>
    </message>
    <message>
        <source>Semi-annual</source>
        <translation>Semestrielle</translation>
    </message>
    <message>
        <source>Annual</source>
        <translation>Annuelle</translation>
    </message>
</context>
<context>
    <name>RecurringScreen</name>
    <message>
        <source>Confirm All Due</source>
        <translation>Confirmer toutes les échéances</translation>
    </message>
    <message>
        <source>New Recurring</source>
        <translation>Nouvelle récurrente</translation>
    </message>
    <message>
        <source>Recurring Transactions</source>
        <translation>Opérations récurrentes</translation>
    </message>
    <message>
        <source>Due recurring transactions</source>
        <translation>Opérations récurrentes à passer</translation>
    </message>
    <message>
        <source>Recurring transactions</source>
        <translation>Opérations récurrentes</translation>
    </message>
    <message>
        <source>(%1 due)</source>
        <translation>(%1 à passer)</translation>
    </message>
    <message>
        <source>This recurring transaction was deleted meanwhile.</source>
        <translation>Cette opération récurrente a été supprimée entre-temps.</translation>
    </message>
    <message>
        <source>Nothing was changed.</source>
        <translation>Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>This recurring transaction was changed meanwhile, perhaps in another window or by a sync.</source>
        <translation>Cette opération récurrente a été modifiée entre-temps, peut-être dans une autre fenêtre ou par une synchronisation.</translation>
    </message>
    <message>
        <source>Nothing was changed; the list now shows it as it is stored.</source>
        <translation>Rien n&apos;a été modifié ; la liste la montre maintenant telle qu&apos;elle est enregistrée.</translation>
    </message>
    <message numerus="yes">
        <source>%n due recurring transaction(s) could not be posted.</source>
        <translation>
            <numerusform>%n opération récurrente à échéance n&apos;a pas pu être passée.</numerusform>
            <numerusform>%n opérations récurrentes à échéance n&apos;ont pas pu être passées.</numerusform>
        </translation>
    </message>
    <message>
        <source>Those rules were left as they were; the others were posted.</source>
        <translation>Ces opérations sont restées telles quelles ; les autres ont été passées.</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmer</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be posted. The occurrence may have been posted already, or its date or account is no longer valid.</source>
        <translation>Impossible de passer « %1 ». Cette échéance a peut-être déjà été passée, ou sa date ou son compte n&apos;est plus valide.</translation>
    </message>
    <message>
        <source>Nothing was posted and the rule was not advanced.</source>
        <translation>Rien n&apos;a été passé et l&apos;échéance n&apos;a pas avancé.</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Ignorer</translation>
    </message>
    <message>
        <source>The occurrence of &quot;%1&quot; could not be skipped.</source>
        <translation>Impossible d&apos;ignorer l&apos;échéance de « %1 ».</translation>
    </message>
    <message>
        <source>The rule keeps its next due date.</source>
        <translation>La prochaine échéance est inchangée.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Delete recurring &quot;%1&quot;?</source>
        <translation>Supprimer l&apos;opération récurrente « %1 » ?</translation>
    </message>
    <message>
        <source>The recurring transaction &quot;%1&quot; could not be deleted.</source>
        <translation>Impossible de supprimer l&apos;opération récurrente « %1 ».</translation>
    </message>
    <message>
        <source>It is still in the list.</source>
        <translation>Elle figure toujours dans la liste.</translation>
    </message>
    <message>
        <source>The recurring transaction could not be saved.</source>
        <translation>Impossible d&apos;enregistrer l&apos;opération récurrente.</translation>
    </message>
    <message>
        <source>Nothing was added.</source>
        <translation>Rien n&apos;a été ajouté.</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>This recurring transaction was changed or deleted while the form was open.</source>
        <translation>Cette opération récurrente a été modifiée ou supprimée pendant que le formulaire était ouvert.</translation>
    </message>
    <message>
        <source>Your changes were not saved; the list now shows it as it is stored.</source>
        <translation>Vos modifications n&apos;ont pas été enregistrées ; la liste la montre maintenant telle qu&apos;elle est enregistrée.</translation>
    </message>
    <message>
        <source>The changes could not be saved.</source>
        <translation>Impossible d&apos;enregistrer les modifications.</translation>
    </message>
    <message>
        <source>The recurring transaction keeps its previous details.</source>
        <translation>L&apos;opération récurrente conserve ses informations précédentes.</translation>
    </message>
    <message>
        <source>Recurring transaction actions</source>
        <translation>Actions de l&apos;opération récurrente</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>&amp;Confirm</source>
        <translation>&amp;Confirmer</translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation>&amp;Ignorer</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>No recurring transactions yet. Create one with New Recurring, or select a row in a register and press %1 to memorize it.</source>
        <translation>Aucune opération récurrente pour l&apos;instant. Créez-en une avec Nouvelle récurrente, ou sélectionnez une ligne dans les opérations d&apos;un compte et appuyez sur %1 pour la mémoriser.</translation>
    </message>
</context>
<context>
    <name>RecurringService</name>
    <message>
        <source>Skip Recurring Transaction</source>
        <translation>Ignorer l&apos;opération récurrente</translation>
    </message>
    <message>
        <source>Confirm Recurring Transaction</source>
        <translation>Confirmer l&apos;opération récurrente</translation>
    </message>
    <message>
        <source>Confirm Due Recurring Transactions</source>
        <translation>Confirmer les opérations récurrentes échues</translation>
    </message>
</context>
<context>
    <name>RegisterEntry</name>
    <message>
        <source>Payee is required</source>
        <translation>Le bénéficiaire est obligatoire</translation>
    </message>
    <message>
        <source>Enter a payment or deposit amount</source>
        <translation>Saisissez un montant au débit ou au crédit</translation>
    </message>
    <message>
        <source>Cannot read the amount &quot;%1&quot;; type it like %2</source>
        <translation>Montant « %1 » illisible ; saisissez-le sous la forme %2</translation>
    </message>
    <message>
        <source>No category &quot;%1&quot;; choose one from the list</source>
        <translation>Aucune catégorie « %1 » ; choisissez-en une dans la liste</translation>
    </message>
    <message>
        <source>Transfer account not found</source>
        <translation>Compte du virement introuvable</translation>
    </message>
    <message>
        <source>A transfer needs another account</source>
        <translation>Un virement nécessite un autre compte</translation>
    </message>
    <message>
        <source>This transaction no longer exists</source>
        <translation>Cette opération n&apos;existe plus</translation>
    </message>
    <message>
        <source>An existing transaction cannot become a transfer; delete it and enter the transfer as a new transaction</source>
        <translation>Une opération existante ne peut pas devenir un virement ; supprimez-la et saisissez le virement comme nouvelle opération</translation>
    </message>
    <message>
        <source>Not saved: the other side of the transfer is reconciled</source>
        <translation>Non enregistré : l’autre côté du virement est rapproché</translation>
    </message>
    <message>
        <source>Could not save the transaction</source>
        <translation>Impossible d&apos;enregistrer l&apos;opération</translation>
    </message>
</context>
<context>
    <name>RegisterKeyboard</name>
    <message>
        <source>No category &quot;%1&quot;; choose one from the list</source>
        <translation>Aucune catégorie « %1 » ; choisissez-en une dans la liste</translation>
    </message>
    <message>
        <source>Press Escape again to discard the row</source>
        <translation>Appuyez de nouveau sur Échap pour abandonner la ligne</translation>
    </message>
    <message>
        <source>Row discarded</source>
        <translation>Ligne abandonnée</translation>
    </message>
</context>
<context>
    <name>RegisterModel</name>
    <message>
        <source>(split)</source>
        <translation>(ventilée)</translation>
    </message>
    <message>
        <source>The opening balance is the account&apos;s starting balance; change it with Account &gt; Edit.</source>
        <translation>Le solde d&apos;ouverture est le solde initial du compte ; modifiez-le avec Compte &gt; Modifier.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Chk #</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Payee / Memo</source>
        <translation>Bénéficiaire / Note</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Bénéficiaire</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Débit</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Crédit</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>Pt</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Solde</translation>
    </message>
</context>
<context>
    <name>RegisterRowActions</name>
    <message>
        <source>Transaction saved</source>
        <translation>Opération enregistrée</translation>
    </message>
    <message>
        <source>The opening balance comes from the account&apos;s starting balance; it cannot be memorized.</source>
        <translation>Le solde d’ouverture vient du solde initial du compte ; il ne peut pas être mémorisé.</translation>
    </message>
    <message>
        <source>Cannot memorize: source transaction has an invalid date</source>
        <translation>Impossible de mémoriser : l&apos;opération d&apos;origine a une date non valide</translation>
    </message>
    <message>
        <source>Could not memorize the transaction</source>
        <translation>Impossible de mémoriser l&apos;opération</translation>
    </message>
    <message>
        <source>Transaction memorized as recurring</source>
        <translation>Opération mémorisée comme récurrente</translation>
    </message>
    <message>
        <source>Could not save the split</source>
        <translation>Impossible d&apos;enregistrer la ventilation</translation>
    </message>
    <message>
        <source>Split saved</source>
        <translation>Ventilation enregistrée</translation>
    </message>
    <message>
        <source>The opening balance comes from the account&apos;s starting balance; change it with Account &gt; Edit.</source>
        <translation>Le solde d&apos;ouverture provient du solde initial du compte ; modifiez-le avec Compte &gt; Modifier.</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot; for %2?</source>
        <translation>Supprimer « %1 » de %2 ?</translation>
    </message>
    <message>
        <source>Delete transfer &quot;%1&quot; for %2?

Both sides of the transfer will be deleted.</source>
        <translation>Supprimer le virement « %1 » de %2 ?

Les deux côtés du virement seront supprimés.</translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation>Supprimer l&apos;opération</translation>
    </message>
    <message>
        <source>Could not delete the transaction</source>
        <translation>Impossible de supprimer l&apos;opération</translation>
    </message>
    <message>
        <source>&amp;Insert New (%1)</source>
        <translation>&amp;Insérer une ligne (%1)</translation>
    </message>
    <message>
        <source>&amp;New Transaction... (%1)</source>
        <translation>&amp;Nouvelle opération... (%1)</translation>
    </message>
    <message>
        <source>Mark &amp;Uncleared</source>
        <translation>Marquer comme non poin&amp;tée</translation>
    </message>
    <message>
        <source>Mark &amp;Cleared</source>
        <translation>Marquer comme &amp;pointée</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Modifier...</translation>
    </message>
    <message>
        <source>S&amp;plit...</source>
        <translation>&amp;Ventiler...</translation>
    </message>
    <message>
        <source>&amp;Delete (%1)</source>
        <translation>&amp;Supprimer (%1)</translation>
    </message>
    <message>
        <source>Create &amp;Rule from This Payee...</source>
        <translation>Créer une &amp;règle à partir de ce bénéficiaire...</translation>
    </message>
</context>
<context>
    <name>RegisterSaveFlow</name>
    <message>
        <source>Reconciled Transfer</source>
        <translation>Virement rapproché</translation>
    </message>
    <message>
        <source>The other side of this transfer, in &quot;%1&quot;, is reconciled.

Change it there too?</source>
        <translation>L’autre côté de ce virement, dans « %1 », est rapproché.

Le modifier là aussi ?</translation>
    </message>
    <message>
        <source>Split No Longer Adds Up</source>
        <translation>La ventilation ne correspond plus</translation>
    </message>
    <message>
        <source>This transaction is split, and its amount changed. Split the new amount again?</source>
        <translation>Cette opération est ventilée et son montant a changé. Ventiler à nouveau le nouveau montant ?</translation>
    </message>
    <message>
        <source>Split Again</source>
        <translation>Ventiler à nouveau</translation>
    </message>
    <message>
        <source>Remove Split</source>
        <translation>Supprimer la ventilation</translation>
    </message>
    <message>
        <source>Not saved: the split still needs dividing</source>
        <translation>Non enregistré : la ventilation n&apos;est pas encore répartie</translation>
    </message>
</context>
<context>
    <name>RegisterScreen</name>
    <message>
        <source>Reconcile</source>
        <translation>Rapprocher</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Opérations</translation>
    </message>
    <message>
        <source>Ending balance</source>
        <translation>Solde final</translation>
    </message>
    <message>
        <source>Transactions</source>
        <translation>Opérations</translation>
    </message>
    <message>
        <source>Register message</source>
        <translation>Message des opérations</translation>
    </message>
    <message>
        <source>Unsaved Transaction</source>
        <translation>Opération non enregistrée</translation>
    </message>
    <message>
        <source>Save the transaction you were typing?</source>
        <translation>Enregistrer l&apos;opération en cours de saisie ?</translation>
    </message>
    <message>
        <source>The opening balance comes from the account&apos;s starting balance; change it with Account &gt; Edit.</source>
        <translation>Le solde d&apos;ouverture provient du solde initial du compte ; modifiez-le avec Compte &gt; Modifier.</translation>
    </message>
    <message>
        <source>Transaction saved</source>
        <translation>Opération enregistrée</translation>
    </message>
    <message>
        <source>Fields cleared</source>
        <translation>Champs effacés</translation>
    </message>
    <message>
        <source>Reconcile account</source>
        <translation>Rapprocher le compte</translation>
    </message>
    <message>
        <source>%1: save  |  Enter: next  |  %2: delete  |  %3: memorize  |  &apos;: copy above</source>
        <translation>%1 : enregistrer  |  Entrée : suivant  |  %2 : supprimer  |  %3 : mémoriser  |  &apos; : recopier</translation>
    </message>
</context>
<context>
    <name>ReportCharts</name>
    <message numerus="yes">
        <source>%n other categories</source>
        <translation>
            <numerusform>%n autre catégorie</numerusform>
            <numerusform>%n autres catégories</numerusform>
        </translation>
    </message>
    <message>
        <source>Spent</source>
        <translation>Dépensé</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Revenus</translation>
    </message>
    <message>
        <source>Expenses</source>
        <translation>Dépenses</translation>
    </message>
    <message>
        <source>Net</source>
        <translation>Net</translation>
    </message>
    <message>
        <source>Budget and carried in</source>
        <translation>Budget et report</translation>
    </message>
</context>
<context>
    <name>ReportColumns</name>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Bénéficiaire</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Tax Code</source>
        <translation>Code fiscal</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Revenus</translation>
    </message>
    <message>
        <source>Expenses</source>
        <translation>Dépenses</translation>
    </message>
    <message>
        <source>Net</source>
        <translation>Net</translation>
    </message>
    <message>
        <source>Period 1</source>
        <translation>Période 1</translation>
    </message>
    <message>
        <source>Period 2</source>
        <translation>Période 2</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Écart</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Compte</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Pointé</translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation>Non pointé</translation>
    </message>
    <message>
        <source>Budget</source>
        <translation>Budget</translation>
    </message>
    <message>
        <source>Carried In</source>
        <translation>Report</translation>
    </message>
    <message>
        <source>Spent</source>
        <translation>Dépensé</translation>
    </message>
    <message>
        <source>Remaining</source>
        <translation>Restant</translation>
    </message>
</context>
<context>
    <name>ReportExport</name>
    <message>
        <source>Export CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <source>There is nothing to export: this report has no rows for the chosen account and period.</source>
        <translation>Rien à exporter : ce rapport ne contient aucune ligne pour le compte et la période choisis.</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>The report could not be saved to %1: %2</source>
        <translation>Impossible d&apos;enregistrer le rapport dans %1 : %2</translation>
    </message>
    <message>
        <source>No file was written; a file already there is unchanged.</source>
        <translation>Aucun fichier n&apos;a été écrit ; un fichier déjà présent reste inchangé.</translation>
    </message>
</context>
<context>
    <name>ReportFiller</name>
    <message>
        <source>Currency</source>
        <translation>Devise</translation>
    </message>
    <message>
        <source>Period 1</source>
        <translation>Période 1</translation>
    </message>
    <message>
        <source>Period 2</source>
        <translation>Période 2</translation>
    </message>
    <message>
        <source>Budgets of %1</source>
        <translation>Budgets de %1</translation>
    </message>
    <message>
        <source>Budgets of the whole months %1 – %2</source>
        <translation>Budgets des mois entiers %1 – %2</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
</context>
<context>
    <name>ReportPeriods</name>
    <message>
        <source>This Month</source>
        <translation>Ce mois-ci</translation>
    </message>
    <message>
        <source>Last Month</source>
        <translation>Mois dernier</translation>
    </message>
    <message>
        <source>This Quarter</source>
        <translation>Ce trimestre</translation>
    </message>
    <message>
        <source>Last Quarter</source>
        <translation>Trimestre dernier</translation>
    </message>
    <message>
        <source>This Year</source>
        <translation>Cette année</translation>
    </message>
    <message>
        <source>Last Year</source>
        <translation>Année dernière</translation>
    </message>
    <message>
        <source>Last 30 Days</source>
        <translation>30 derniers jours</translation>
    </message>
    <message>
        <source>Last 90 Days</source>
        <translation>90 derniers jours</translation>
    </message>
    <message>
        <source>Last 12 Months</source>
        <translation>12 derniers mois</translation>
    </message>
    <message>
        <source>All Time</source>
        <translation>Toute la période</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnalisée</translation>
    </message>
    <message>
        <source>This Year vs Last Year</source>
        <translation>Cette année / année dernière</translation>
    </message>
    <message>
        <source>Last Year vs Year Before</source>
        <translation>Année dernière / année précédente</translation>
    </message>
    <message>
        <source>This Quarter vs Last Quarter</source>
        <translation>Ce trimestre / trimestre dernier</translation>
    </message>
</context>
<context>
    <name>ReportService</name>
    <message>
        <source>Uncategorized</source>
        <translation>Sans catégorie</translation>
    </message>
</context>
<context>
    <name>ReportsScreen</name>
    <message>
        <source>Reports</source>
        <translation>Rapports</translation>
    </message>
    <message>
        <source>Report problem</source>
        <translation>Problème du rapport</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Rapport</translation>
    </message>
    <message>
        <source>Category Spending</source>
        <translation>Dépenses par catégorie</translation>
    </message>
    <message>
        <source>Payee Summary</source>
        <translation>Bénéficiaires</translation>
    </message>
    <message>
        <source>Tax Report</source>
        <translation>Fiscalité</translation>
    </message>
    <message>
        <source>Cash Flow</source>
        <translation>Trésorerie</translation>
    </message>
    <message>
        <source>Year-over-Year</source>
        <translation>Comparaison annuelle</translation>
    </message>
    <message>
        <source>Account Summary</source>
        <translation>Comptes</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Compte</translation>
    </message>
    <message>
        <source>%1 chart</source>
        <translation>Graphique « %1 »</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Compte :</translation>
    </message>
    <message>
        <source>Period:</source>
        <translation>Période :</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Période</translation>
    </message>
    <message>
        <source>Period dates</source>
        <translation>Dates de la période</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Du</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Au</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <source>Compare:</source>
        <translation>Comparer :</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Comparer</translation>
    </message>
    <message>
        <source>Compared periods</source>
        <translation>Périodes comparées</translation>
    </message>
    <message>
        <source>Period 1 from</source>
        <translation>Période 1 du</translation>
    </message>
    <message>
        <source>Period 1 to</source>
        <translation>Période 1 au</translation>
    </message>
    <message>
        <source>Period 2 from</source>
        <translation>Période 2 du</translation>
    </message>
    <message>
        <source>Period 2 to</source>
        <translation>Période 2 au</translation>
    </message>
    <message>
        <source>P1:</source>
        <translation>P1 :</translation>
    </message>
    <message>
        <source>P2:</source>
        <translation>P2 :</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>P1: %1 – %2    P2: %3 – %4</source>
        <translation>P1 : %1 – %2    P2 : %3 – %4</translation>
    </message>
    <message>
        <source>All Accounts</source>
        <translation>Tous les comptes</translation>
    </message>
    <message>
        <source>This report could not be read, so the table may be incomplete.</source>
        <translation>Ce rapport n&apos;a pas pu être lu : le tableau est peut-être incomplet.</translation>
    </message>
    <message>
        <source>Budget</source>
        <translation>Budget</translation>
    </message>
    <message>
        <source>Budgeted months</source>
        <translation>Mois budgétés</translation>
    </message>
</context>
<context>
    <name>RuleFormDialog</name>
    <message>
        <source>Edit Rule</source>
        <translation>Modifier la règle</translation>
    </message>
    <message>
        <source>New Rule</source>
        <translation>Nouvelle règle</translation>
    </message>
    <message>
        <source>How the payee is compared</source>
        <translation>Comment le bénéficiaire est comparé</translation>
    </message>
    <message>
        <source>Payee contains</source>
        <translation>Le bénéficiaire contient</translation>
    </message>
    <message>
        <source>Payee is</source>
        <translation>Le bénéficiaire est</translation>
    </message>
    <message>
        <source>Payee starts with</source>
        <translation>Le bénéficiaire commence par</translation>
    </message>
    <message>
        <source>&amp;Match:</source>
        <translation>&amp;Comparaison :</translation>
    </message>
    <message>
        <source>&amp;Text:</source>
        <translation>&amp;Texte :</translation>
    </message>
    <message>
        <source>Payee text</source>
        <translation>Texte du bénéficiaire</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Compte</translation>
    </message>
    <message>
        <source>(any account)</source>
        <translation>(tout compte)</translation>
    </message>
    <message>
        <source>&amp;Account:</source>
        <translation>C&amp;ompte :</translation>
    </message>
    <message>
        <source>Amount &amp;from:</source>
        <translation>Montant &amp;de :</translation>
    </message>
    <message>
        <source>Smallest amount</source>
        <translation>Montant minimal</translation>
    </message>
    <message>
        <source>Amount t&amp;o:</source>
        <translation>Montant &amp;à :</translation>
    </message>
    <message>
        <source>Largest amount</source>
        <translation>Montant maximal</translation>
    </message>
    <message>
        <source>any</source>
        <translation>quelconque</translation>
    </message>
    <message>
        <source>Show &amp;payee as:</source>
        <translation>Afficher le &amp;bénéficiaire comme :</translation>
    </message>
    <message>
        <source>Payee to show</source>
        <translation>Bénéficiaire affiché</translation>
    </message>
    <message>
        <source>Category to set</source>
        <translation>Catégorie à attribuer</translation>
    </message>
    <message>
        <source>(leave as it is)</source>
        <translation>(laisser tel quel)</translation>
    </message>
    <message>
        <source>Set &amp;category:</source>
        <translation>Attribuer la &amp;catégorie :</translation>
    </message>
    <message>
        <source>Set m&amp;emo:</source>
        <translation>Attribuer le m&amp;émo :</translation>
    </message>
    <message>
        <source>Memo to set</source>
        <translation>Mémo à attribuer</translation>
    </message>
    <message>
        <source>Enter the payee text the rule looks for.</source>
        <translation>Saisissez le texte du bénéficiaire que la règle recherche.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an amount.</source>
        <translation>« %1 » n&apos;est pas un montant.</translation>
    </message>
    <message>
        <source>The smallest amount is larger than the largest.</source>
        <translation>Le montant minimal est supérieur au montant maximal.</translation>
    </message>
    <message>
        <source>Choose what the rule sets: a payee, a category or a memo.</source>
        <translation>Choisissez ce que la règle attribue : un bénéficiaire, une catégorie ou un mémo.</translation>
    </message>
</context>
<context>
    <name>RulesScreen</name>
    <message>
        <source>Import Rules</source>
        <translation>Règles d&apos;import</translation>
    </message>
    <message>
        <source>Rules rename payees and set categories and memos as transactions are imported. They are tried from the top; for each of payee, category and memo the first matching rule that sets it wins.</source>
        <translation>Les règles renomment les bénéficiaires et attribuent catégories et mémos lors de l&apos;import des opérations. Elles sont essayées de haut en bas ; pour le bénéficiaire, la catégorie et le mémo, la première règle correspondante qui l&apos;attribue l&apos;emporte.</translation>
    </message>
    <message>
        <source>Import rules</source>
        <translation>Règles d&apos;import</translation>
    </message>
    <message>
        <source>When the payee</source>
        <translation>Si le bénéficiaire</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Compte</translation>
    </message>
    <message>
        <source>Show payee as</source>
        <translation>Afficher le bénéficiaire comme</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Mémo</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Ajouter...</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Modifier...</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>Mon&amp;ter</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>&amp;Descendre</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>is &quot;%1&quot;</source>
        <translation>est « %1 »</translation>
    </message>
    <message>
        <source>starts with &quot;%1&quot;</source>
        <translation>commence par « %1 »</translation>
    </message>
    <message>
        <source>contains &quot;%1&quot;</source>
        <translation>contient « %1 »</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>any</source>
        <translation>quelconque</translation>
    </message>
    <message>
        <source>any account</source>
        <translation>tout compte</translation>
    </message>
    <message>
        <source>Delete Rule</source>
        <translation>Supprimer la règle</translation>
    </message>
    <message>
        <source>Delete the rule for &quot;%1&quot;?</source>
        <translation>Supprimer la règle pour « %1 » ?</translation>
    </message>
</context>
<context>
    <name>SampleDataService</name>
    <message>
        <source>Main Checking</source>
        <translation>Compte courant principal</translation>
    </message>
    <message>
        <source>Riverbend Credit Union</source>
        <translation>Crédit Mutuel de la Rivière</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Livret d&apos;épargne</translation>
    </message>
    <message>
        <source>Visa Rewards</source>
        <translation>Visa Avantages</translation>
    </message>
    <message>
        <source>Summit Bank</source>
        <translation>Banque du Sommet</translation>
    </message>
    <message>
        <source>Brightpath Inc</source>
        <translation>Clairchemin SA</translation>
    </message>
    <message>
        <source>Biweekly paycheck</source>
        <translation>Paie de quinzaine</translation>
    </message>
    <message>
        <source>Pinecrest Apartments</source>
        <translation>Résidence Les Pins</translation>
    </message>
    <message>
        <source>February rent</source>
        <translation>Loyer de février</translation>
    </message>
    <message>
        <source>Greenleaf Market</source>
        <translation>Marché Feuille Verte</translation>
    </message>
    <message>
        <source>Weekly groceries</source>
        <translation>Courses hebdo</translation>
    </message>
    <message>
        <source>Streamly</source>
        <translation>Streamly</translation>
    </message>
    <message>
        <source>Monthly subscription</source>
        <translation>Abonnement</translation>
    </message>
    <message>
        <source>Lakeside Utilities</source>
        <translation>Énergie du Lac</translation>
    </message>
    <message>
        <source>Electric bill</source>
        <translation>Facture d&apos;électricité</translation>
    </message>
    <message>
        <source>QuickFuel</source>
        <translation>QuickFuel</translation>
    </message>
    <message>
        <source>Fuel</source>
        <translation>Carburant</translation>
    </message>
    <message>
        <source>Fiberlink</source>
        <translation>Fiberlink</translation>
    </message>
    <message>
        <source>Internet service</source>
        <translation>Abonnement internet</translation>
    </message>
    <message>
        <source>Corner Bistro</source>
        <translation>Bistrot du Coin</translation>
    </message>
    <message>
        <source>Dinner</source>
        <translation>Dîner</translation>
    </message>
    <message>
        <source>Shieldline Insurance</source>
        <translation>Assurances Bouclier</translation>
    </message>
    <message>
        <source>Auto insurance premium</source>
        <translation>Cotisation assurance auto</translation>
    </message>
    <message>
        <source>Wellway Pharmacy</source>
        <translation>Pharmacie Bonchemin</translation>
    </message>
    <message>
        <source>Prescription</source>
        <translation>Ordonnance</translation>
    </message>
    <message>
        <source>Hope Community Church</source>
        <translation>Paroisse Espérance</translation>
    </message>
    <message>
        <source>Monthly donation</source>
        <translation>Don mensuel</translation>
    </message>
    <message>
        <source>March rent</source>
        <translation>Loyer de mars</translation>
    </message>
    <message>
        <source>Lunch</source>
        <translation>Déjeuner</translation>
    </message>
    <message>
        <source>Pharmacy</source>
        <translation>Pharmacie</translation>
    </message>
    <message>
        <source>Interest payment</source>
        <translation>Versement des intérêts</translation>
    </message>
    <message>
        <source>Dash Delivery</source>
        <translation>Dash Livraison</translation>
    </message>
    <message>
        <source>Food delivery</source>
        <translation>Livraison de repas</translation>
    </message>
    <message>
        <source>Stellar Coffee</source>
        <translation>Stellar Coffee</translation>
    </message>
    <message>
        <source>Coffee</source>
        <translation>Café</translation>
    </message>
    <message>
        <source>Gadget World</source>
        <translation>Monde du Gadget</translation>
    </message>
    <message>
        <source>USB-C charger</source>
        <translation>Chargeur USB-C</translation>
    </message>
    <message>
        <source>CloudWatch Plus</source>
        <translation>CloudWatch Plus</translation>
    </message>
    <message>
        <source>Cloud storage</source>
        <translation>Stockage en ligne</translation>
    </message>
    <message>
        <source>Payment - Thank You</source>
        <translation>Paiement reçu, merci</translation>
    </message>
    <message>
        <source>Credit card payment</source>
        <translation>Remboursement de la carte</translation>
    </message>
    <message>
        <source>TechVault</source>
        <translation>TechVault</translation>
    </message>
    <message>
        <source>Wireless headphones</source>
        <translation>Casque sans fil</translation>
    </message>
    <message>
        <source>BookNest Online</source>
        <translation>Nid à Livres en ligne</translation>
    </message>
    <message>
        <source>Programming books</source>
        <translation>Livres de programmation</translation>
    </message>
    <message>
        <source>Monthly rent</source>
        <translation>Loyer mensuel</translation>
    </message>
    <message>
        <source>Transfer to Savings</source>
        <translation>Virement épargne</translation>
    </message>
    <message>
        <source>Monthly savings</source>
        <translation>Épargne mensuelle</translation>
    </message>
    <message>
        <source>Transfer from Checking</source>
        <translation>Virement compte courant</translation>
    </message>
</context>
<context>
    <name>SearchResultsModel</name>
    <message>
        <source>Account</source>
        <translation>Compte</translation>
    </message>
</context>
<context>
    <name>SearchScreen</name>
    <message>
        <source>Date range:</source>
        <translation>Période :</translation>
    </message>
    <message>
        <source>From date</source>
        <translation>Date de début</translation>
    </message>
    <message>
        <source>To date</source>
        <translation>Date de fin</translation>
    </message>
    <message>
        <source>Cleared only</source>
        <translation>Pointées uniquement</translation>
    </message>
    <message>
        <source>Search Transactions</source>
        <translation>Rechercher des opérations</translation>
    </message>
    <message>
        <source>Search payee, memo, check number...</source>
        <translation>Rechercher bénéficiaire, note, n° de chèque...</translation>
    </message>
    <message>
        <source>Search text</source>
        <translation>Texte recherché</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Compte :</translation>
    </message>
    <message>
        <source>Account filter</source>
        <translation>Filtre de compte</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Catégorie :</translation>
    </message>
    <message>
        <source>Category filter</source>
        <translation>Filtre de catégorie</translation>
    </message>
    <message>
        <source>Date range</source>
        <translation>Période</translation>
    </message>
    <message>
        <source>to</source>
        <translation>au</translation>
    </message>
    <message>
        <source>Search results</source>
        <translation>Résultats de la recherche</translation>
    </message>
    <message>
        <source>All Accounts</source>
        <translation>Tous les comptes</translation>
    </message>
    <message>
        <source>All Categories</source>
        <translation>Toutes les catégories</translation>
    </message>
</context>
<context>
    <name>SettingsAboutPage</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
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
        <translation>Un livre de comptes numérique pour suivre les finances du foyer : comptes, virements, opérations récurrentes, rapprochement, rapports et sauvegardes, conservés dans un seul fichier sur cet ordinateur et synchronisés entre vos appareils une fois connecté.</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;https://tindral.example/quillon&quot;&gt;Website&lt;/a&gt; · &lt;a href=&quot;https://tindral.example/quillon/help&quot;&gt;Help&lt;/a&gt; · &lt;a href=&quot;https://tindral.example/privacy&quot;&gt;Privacy&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;https://tindral.example/quillon&quot;&gt;Site Web&lt;/a&gt; · &lt;a href=&quot;https://tindral.example/quillon/help&quot;&gt;Aide&lt;/a&gt; · &lt;a href=&quot;https://tindral.example/privacy&quot;&gt;Confidentialité&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Liens</translation>
    </message>
    <message>
        <source>This application uses the Qt framework under the GNU LGPL version 3.</source>
        <translation>Cette application utilise le framework Qt sous licence GNU LGPL version 3.</translation>
    </message>
</context>
<context>
    <name>SettingsDataPage</name>
    <message>
        <source>Data &amp; Sync</source>
        <translation>Données et synchro</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Synchronisation</translation>
    </message>
    <message>
        <source>Keep your quillon in sync across all your devices.</source>
        <translation>Gardez vos comptes synchronisés sur tous vos appareils.</translation>
    </message>
    <message>
        <source>Account status</source>
        <translation>État du compte</translation>
    </message>
    <message>
        <source>Last synced</source>
        <translation>Dernière synchronisation</translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation>Synchroniser maintenant</translation>
    </message>
    <message>
        <source>Force Full Sync</source>
        <translation>Forcer une synchronisation complète</translation>
    </message>
    <message>
        <source>Backup &amp; Restore</source>
        <translation>Sauvegarde et restauration</translation>
    </message>
    <message>
        <source>Save or restore your data to a portable backup file.</source>
        <translation>Enregistrez vos données dans un fichier de sauvegarde portable ou restaurez-les depuis celui-ci.</translation>
    </message>
    <message>
        <source>Export Backup</source>
        <translation>Exporter une sauvegarde</translation>
    </message>
    <message>
        <source>Import Backup</source>
        <translation>Importer une sauvegarde</translation>
    </message>
    <message>
        <source>Deleted Accounts</source>
        <translation>Comptes supprimés</translation>
    </message>
    <message>
        <source>Accounts you&apos;ve deleted can be restored here.</source>
        <translation>Vous pouvez restaurer ici les comptes que vous avez supprimés.</translation>
    </message>
    <message>
        <source>Deleted accounts</source>
        <translation>Comptes supprimés</translation>
    </message>
    <message>
        <source>Restore Selected</source>
        <translation>Restaurer la sélection</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Synchronisation...</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Adresse du serveur</translation>
    </message>
    <message>
        <source>Server address error</source>
        <translation>Erreur dans l’adresse du serveur</translation>
    </message>
    <message>
        <source>Set by the QUILLON_SERVER environment variable; change it there to use another server.</source>
        <translation>Définie par la variable d’environnement QUILLON_SERVER ; modifiez-la à cet endroit pour utiliser un autre serveur.</translation>
    </message>
    <message>
        <source>Leave empty for the standard service. A change takes effect the next time Tindral Quillon starts.</source>
        <translation>Laissez vide pour le service standard. Une modification prend effet au prochain démarrage de Tindral Quillon.</translation>
    </message>
    <message>
        <source>Enter an address starting with http:// or https://, such as https://quillon.example.org.</source>
        <translation>Saisissez une adresse commençant par http:// ou https://, par exemple https://quillon.example.org.</translation>
    </message>
    <message>
        <source>Restore Account</source>
        <translation>Restaurer le compte</translation>
    </message>
    <message>
        <source>The account could not be restored.</source>
        <translation>Impossible de restaurer le compte.</translation>
    </message>
    <message>
        <source>It stays in the list of deleted accounts; nothing was changed.</source>
        <translation>Il reste dans la liste des comptes supprimés ; rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>Not signed in.
Sign in via File › Sign In to enable sync.</source>
        <translation>Non connecté.
Connectez-vous avec Fichier › Se connecter pour activer la synchronisation.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Signed in as:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;Status:&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</source>
        <translation>&lt;b&gt;Connecté en tant que :&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;État :&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</translation>
    </message>
    <message>
        <source>Never synced</source>
        <translation>Jamais synchronisé</translation>
    </message>
    <message>
        <source>Last synced: %1</source>
        <translation>Dernière synchronisation : %1</translation>
    </message>
    <message>
        <source>
Error: %1</source>
        <translation>
Erreur : %1</translation>
    </message>
    <message>
        <source>This will re-upload every local row to the server and re-download all server data. Use this if data appears out of sync between devices.

Continue?</source>
        <translation>Toutes les données locales seront renvoyées au serveur et toutes les données du serveur seront retéléchargées. Utilisez cette option si les données ne concordent pas entre vos appareils.

Continuer ?</translation>
    </message>
    <message>
        <source>The data could not be marked for upload.</source>
        <translation>Les données n&apos;ont pas pu être marquées pour l&apos;envoi.</translation>
    </message>
    <message>
        <source>Nothing was changed; the next sync sends only what changed.</source>
        <translation>Rien n&apos;a été modifié ; la prochaine synchronisation n&apos;envoie que les changements.</translation>
    </message>
    <message>
        <source>Exporting...</source>
        <translation>Exportation...</translation>
    </message>
    <message>
        <source>Importing...</source>
        <translation>Importation...</translation>
    </message>
</context>
<context>
    <name>SettingsGeneralPage</name>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Apparence</translation>
    </message>
    <message>
        <source>Control how Tindral Quillon looks.</source>
        <translation>Choisissez l&apos;apparence de Tindral Quillon.</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Thème</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>Par défaut du système</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Clair</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Sombre</translation>
    </message>
    <message>
        <source>Regional</source>
        <translation>Paramètres régionaux</translation>
    </message>
    <message>
        <source>Date and calendar preferences.</source>
        <translation>Préférences de date et de calendrier.</translation>
    </message>
    <message>
        <source>Week starts on</source>
        <translation>La semaine commence le</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Dimanche</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lundi</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samedi</translation>
    </message>
    <message>
        <source>Date format</source>
        <translation>Format de date</translation>
    </message>
    <message>
        <source>As the language writes it (%1)</source>
        <translation>Comme l’écrit la langue (%1)</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Language Changed</source>
        <translation>Langue modifiée</translation>
    </message>
    <message>
        <source>The new language will take effect the next time you start Tindral Quillon.</source>
        <translation>La nouvelle langue s&apos;appliquera au prochain démarrage de Tindral Quillon.</translation>
    </message>
</context>
<context>
    <name>SettingsRegisterPage</name>
    <message>
        <source>Register</source>
        <translation>Opérations</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>How transactions appear in the register.</source>
        <translation>Comment les opérations apparaissent dans la liste.</translation>
    </message>
    <message>
        <source>Two-line rows</source>
        <translation>Lignes sur deux niveaux</translation>
    </message>
    <message>
        <source>Show memo on a second line below the payee.</source>
        <translation>Affiche la note sur une deuxième ligne sous le bénéficiaire.</translation>
    </message>
    <message>
        <source>Sorting</source>
        <translation>Tri</translation>
    </message>
    <message>
        <source>Control the order of transactions in the register.</source>
        <translation>Choisissez l&apos;ordre des opérations dans la liste.</translation>
    </message>
    <message>
        <source>Show newest transactions first</source>
        <translation>Afficher d&apos;abord les opérations les plus récentes</translation>
    </message>
    <message>
        <source>When enabled, the most recent transactions appear at the top.</source>
        <translation>Si cette option est activée, les opérations les plus récentes apparaissent en haut.</translation>
    </message>
</context>
<context>
    <name>SettingsScreen</name>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>Preference pages</source>
        <translation>Pages des préférences</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Opérations</translation>
    </message>
    <message>
        <source>Data &amp; Sync</source>
        <translation>Données et synchro</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Preference page</source>
        <translation>Page des préférences</translation>
    </message>
</context>
<context>
    <name>ShareMembersDialog</name>
    <message>
        <source>Group member</source>
        <translation>Membre du groupe</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Partager</translation>
    </message>
    <message>
        <source>Shared with</source>
        <translation>Partagé avec</translation>
    </message>
    <message>
        <source>Remove Selected</source>
        <translation>Retirer la sélection</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Chargement...</translation>
    </message>
    <message>
        <source>Not shared with anyone yet.</source>
        <translation>Pas encore partagé.</translation>
    </message>
    <message>
        <source>All group members already added</source>
        <translation>Tous les membres du groupe ont déjà été ajoutés</translation>
    </message>
    <message>
        <source>Sharing...</source>
        <translation>Partage...</translation>
    </message>
    <message>
        <source>Could not share with %1.</source>
        <translation>Impossible de partager avec %1.</translation>
    </message>
    <message>
        <source>Remove Share</source>
        <translation>Retirer le partage</translation>
    </message>
    <message>
        <source>Remove %1&apos;s access to this item?</source>
        <translation>Retirer à %1 l&apos;accès à cet élément ?</translation>
    </message>
    <message>
        <source>Could not remove share.</source>
        <translation>Impossible de retirer le partage.</translation>
    </message>
    <message>
        <source>The list of people this is shared with could not be loaded. Close this window and open it again to retry.</source>
        <translation>La liste des personnes avec qui ceci est partagé n&apos;a pas pu être chargée. Fermez cette fenêtre et rouvrez-la pour réessayer.</translation>
    </message>
    <message>
        <source>The group members could not be loaded, so nobody can be added now. Close this window and open it again to retry.</source>
        <translation>Les membres du groupe n&apos;ont pas pu être chargés : personne ne peut être ajouté pour l&apos;instant. Fermez cette fenêtre et rouvrez-la pour réessayer.</translation>
    </message>
</context>
<context>
    <name>SignInLinkDialog</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Se connecter</translation>
    </message>
    <message>
        <source>Sign-in address</source>
        <translation>Adresse de connexion</translation>
    </message>
    <message>
        <source>Copy the sign-in address</source>
        <translation>Copier l&apos;adresse de connexion</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Copié</translation>
    </message>
    <message>
        <source>Your browser should now show the sign-in page. If it did not open, copy this address into a browser on this computer and sign in there; this program notices when you are done.</source>
        <translation>Votre navigateur devrait maintenant afficher la page de connexion. S&apos;il ne s&apos;est pas ouvert, copiez cette adresse dans un navigateur de cet ordinateur et connectez-vous-y ; ce programme le remarque quand vous avez terminé.</translation>
    </message>
    <message>
        <source>No browser could be opened for signing in. Copy this address into a browser on this computer and sign in there; this program notices when you are done.</source>
        <translation>Aucun navigateur n&apos;a pu être ouvert pour la connexion. Copiez cette adresse dans un navigateur de cet ordinateur et connectez-vous-y ; ce programme le remarque quand vous avez terminé.</translation>
    </message>
</context>
<context>
    <name>SmartDateEdit</name>
    <message>
        <source>Open calendar (F4)</source>
        <translation>Ouvrir le calendrier (F4)</translation>
    </message>
    <message>
        <source>Open calendar</source>
        <translation>Ouvrir le calendrier</translation>
    </message>
</context>
<context>
    <name>SplitEditorDialog</name>
    <message>
        <source>Split Transaction</source>
        <translation>Ventiler l&apos;opération</translation>
    </message>
    <message>
        <source>Divide %1 (%2) among categories.</source>
        <translation>Répartissez %1 (%2) entre plusieurs catégories.</translation>
    </message>
    <message>
        <source>The split is kept on this device and in backups; sync does not carry it to your other devices.</source>
        <translation>La ventilation est conservée sur cet appareil et dans les sauvegardes ; la synchronisation ne la transmet pas à vos autres appareils.</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>&amp;Add Line</source>
        <translation>&amp;Ajouter une ligne</translation>
    </message>
    <message>
        <source>&amp;Remove Line</source>
        <translation>&amp;Retirer la ligne</translation>
    </message>
    <message>
        <source>Remaining: %1</source>
        <translation>Reste à répartir : %1</translation>
    </message>
    <message>
        <source>(choose a category)</source>
        <translation>(choisir une catégorie)</translation>
    </message>
    <message>
        <source>Category of line %1</source>
        <translation>Catégorie de la ligne %1</translation>
    </message>
    <message>
        <source>Amount of line %1</source>
        <translation>Montant de la ligne %1</translation>
    </message>
    <message>
        <source>Memo of line %1</source>
        <translation>Mémo de la ligne %1</translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>Offline</source>
        <translation>Hors ligne</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Barre d&apos;état</translation>
    </message>
    <message>
        <source>Number of accounts</source>
        <translation>Nombre de comptes</translation>
    </message>
    <message>
        <source>Recurring transactions due</source>
        <translation>Opérations récurrentes à passer</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>Occupé</translation>
    </message>
    <message>
        <source>Sync status</source>
        <translation>État de la synchronisation</translation>
    </message>
    <message>
        <source>Resize window</source>
        <translation>Redimensionner la fenêtre</translation>
    </message>
    <message numerus="yes">
        <source>%n account(s)</source>
        <translation>
            <numerusform>%n compte</numerusform>
            <numerusform>%n comptes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>  •  %n recurring due</source>
        <translation>
            <numerusform>  •  %n opération récurrente à passer</numerusform>
            <numerusform>  •  %n opérations récurrentes à passer</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SyncEngine</name>
    <message>
        <source>Synced</source>
        <translation>Synchronisé</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Synchronisation...</translation>
    </message>
    <message>
        <source>Sync error</source>
        <translation>Erreur de synchronisation</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Hors ligne</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>These books are kept with another Tindral account. Sign in with the account they were synced with to sync them.</source>
        <translation>Ces données appartiennent à un autre compte Tindral. Connectez-vous avec le compte utilisé jusqu’ici pour les synchroniser.</translation>
    </message>
</context>
<context>
    <name>TindUpdate</name>
    <message>
        <source>No release notes available for %1 %2</source>
        <translation>Aucune note de version disponible pour %1 %2</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Recherche de mises à jour…</translation>
    </message>
    <message>
        <source>%1 is up to date (version %2)</source>
        <translation>%1 est à jour (version %2)</translation>
    </message>
    <message>
        <source>Update check failed: %1</source>
        <translation>Échec de la recherche de mises à jour : %1</translation>
    </message>
    <message>
        <source>Loading release notes…</source>
        <translation>Chargement des notes de version…</translation>
    </message>
</context>
<context>
    <name>TindUpdate::NotesBrowser</name>
    <message>
        <source>Release notes</source>
        <translation>Notes de version</translation>
    </message>
</context>
<context>
    <name>TindUpdate::UpdateDialog</name>
    <message>
        <source>Update available</source>
        <translation>Mise à jour disponible</translation>
    </message>
    <message>
        <source>A new version of %1 is available.</source>
        <translation>Une nouvelle version de %1 est disponible.</translation>
    </message>
    <message>
        <source>You have version %1. The latest version is %2.</source>
        <translation>Vous avez la version %1. La plus récente est la %2.</translation>
    </message>
    <message>
        <source>Loading release notes…</source>
        <translation>Chargement des notes de version…</translation>
    </message>
    <message>
        <source>*Release notes are not available for this version.*</source>
        <translation>*Aucune note de version n&apos;est disponible pour cette version.*</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Télécharger</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Plus tard</translation>
    </message>
</context>
<context>
    <name>TindUpdate::WhatsNewDialog</name>
    <message>
        <source>What&apos;s New in %1 %2</source>
        <translation>Nouveautés de %1 %2</translation>
    </message>
    <message>
        <source>What&apos;s new in %1 %2</source>
        <translation>Nouveautés de %1 %2</translation>
    </message>
    <message>
        <source>You are running version %1</source>
        <translation>Vous utilisez la version %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Download %1</source>
        <translation>Télécharger %1</translation>
    </message>
</context>
<context>
    <name>TransactionFormDialog</name>
    <message>
        <source>New Transaction</source>
        <translation>Nouvelle opération</translation>
    </message>
    <message>
        <source>Edit Transaction</source>
        <translation>Modifier l&apos;opération</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Débit</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Crédit</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type :</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Date :</translation>
    </message>
    <message>
        <source>Start typing to search payees...</source>
        <translation>Saisissez du texte pour chercher un bénéficiaire...</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Bénéficiaire</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>Bénéficiaire :</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Montant :</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucune)</translation>
    </message>
    <message>
        <source>Split…</source>
        <translation>Ventiler…</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Ventiler</translation>
    </message>
    <message>
        <source>Divide the amount among several categories</source>
        <translation>Répartir le montant entre plusieurs catégories</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Catégorie :</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Facultatif</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>Note :</translation>
    </message>
    <message>
        <source>Check number</source>
        <translation>Numéro de chèque</translation>
    </message>
    <message>
        <source>Check #:</source>
        <translation>N° de chèque :</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Pointé</translation>
    </message>
    <message>
        <source>Form message</source>
        <translation>Message du formulaire</translation>
    </message>
    <message numerus="yes">
        <source>Split among %n categories</source>
        <translation>
            <numerusform>Ventilée sur %n catégorie</numerusform>
            <numerusform>Ventilée sur %n catégories</numerusform>
        </translation>
    </message>
    <message>
        <source>Edit Split…</source>
        <translation>Modifier la ventilation…</translation>
    </message>
    <message>
        <source>Edit split</source>
        <translation>Modifier la ventilation</translation>
    </message>
    <message>
        <source>Enter the amount first, then split it.</source>
        <translation>Saisissez d&apos;abord le montant, puis ventilez-le.</translation>
    </message>
    <message>
        <source>Payee is required</source>
        <translation>Le bénéficiaire est obligatoire</translation>
    </message>
    <message>
        <source>Split No Longer Adds Up</source>
        <translation>La ventilation ne correspond plus</translation>
    </message>
    <message>
        <source>The amount changed, so the split no longer adds up to it. Split the new amount again?</source>
        <translation>Le montant a changé et la ventilation ne correspond plus. Ventiler à nouveau le nouveau montant ?</translation>
    </message>
    <message>
        <source>Split Again</source>
        <translation>Ventiler à nouveau</translation>
    </message>
    <message>
        <source>Remove Split</source>
        <translation>Supprimer la ventilation</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Compte</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Compte :</translation>
    </message>
</context>
<context>
    <name>UndoStack</name>
    <message>
        <source>The database could not be written.</source>
        <translation>La base de données n&apos;a pas pu être écrite.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be undone: its entries were changed since, on another device or in another program.</source>
        <translation>« %1 » ne peut pas être annulé : ses écritures ont été modifiées depuis, sur un autre appareil ou dans un autre programme.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be redone: its entries were changed since, on another device or in another program.</source>
        <translation>« %1 » ne peut pas être rétabli : ses écritures ont été modifiées depuis, sur un autre appareil ou dans un autre programme.</translation>
    </message>
    <message>
        <source>The database could not be read.</source>
        <translation>La base de données n&apos;a pas pu être lue.</translation>
    </message>
</context>
<context>
    <name>WelcomeScreen</name>
    <message>
        <source>Continue Without an Account</source>
        <translation>Continuer sans compte</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Bienvenue</translation>
    </message>
    <message>
        <source>Tindral Quillon</source>
        <translation>Tindral Quillon</translation>
    </message>
    <message>
        <source>Your finances, everywhere.</source>
        <translation>Vos finances, partout.</translation>
    </message>
    <message>
        <source>Multi-Device Sync</source>
        <translation>Synchronisation multi-appareils</translation>
    </message>
    <message>
        <source>Keep your quillon in sync between your phone, tablet, and computer.</source>
        <translation>Gardez vos comptes à jour sur votre téléphone, votre tablette et votre ordinateur.</translation>
    </message>
    <message>
        <source>Family Sharing</source>
        <translation>Partage en famille</translation>
    </message>
    <message>
        <source>Share accounts with family members. Everyone sees the same register in real time.</source>
        <translation>Partagez des comptes avec votre famille. Chacun voit les mêmes opérations en temps réel.</translation>
    </message>
    <message>
        <source>Secure &amp; Private</source>
        <translation>Sécurisé et privé</translation>
    </message>
    <message>
        <source>Your data is encrypted in transit and at rest. We never sell your data or show ads.</source>
        <translation>Vos données sont chiffrées pendant le transfert et au repos. Nous ne vendons jamais vos données et n&apos;affichons aucune publicité.</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Se déconnecter</translation>
    </message>
    <message>
        <source>Already have an account? Sign In</source>
        <translation>Déjà un compte ? Connectez-vous</translation>
    </message>
</context>
</TS>
