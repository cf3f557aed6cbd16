<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
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
    <name>AccountItemWidget</name>
    <message>
        <source>Balance of %1</source>
        <translation>Solde de %1</translation>
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
    <name>AccountSharingService</name>
    <message>
        <source>Failed to share account (HTTP %1)</source>
        <translation>Impossible de partager le compte (HTTP %1)</translation>
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
        <source>Select an account first</source>
        <translation>Sélectionnez d&apos;abord un compte</translation>
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
        <source>&amp;Import...</source>
        <translation>&amp;Importer...</translation>
    </message>
    <message>
        <source>Ctrl+I</source>
        <translation>Ctrl+I</translation>
    </message>
    <message>
        <source>Tindral &amp;Account...</source>
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
        <source>&amp;Find...</source>
        <translation>&amp;Rechercher...</translation>
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
        <source>Re&amp;curring Transactions</source>
        <translation>Opérations ré&amp;currentes</translation>
    </message>
    <message>
        <source>Ctrl+3</source>
        <translation>Ctrl+3</translation>
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
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Not signed in</source>
        <translation>Non connecté</translation>
    </message>
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
        <source>The account keeps its previous details and balance.</source>
        <translation>Le compte conserve ses informations et son solde précédents.</translation>
    </message>
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
    <message>
        <source>Delete Account</source>
        <translation>Supprimer le compte</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;?

All transactions, recurring entries, and reconciliation history for this account will be removed. You can restore it from Preferences → Data &amp; Sync.</source>
        <translation>Supprimer « %1 » ?

Toutes les opérations, les opérations récurrentes et l&apos;historique des rapprochements de ce compte seront supprimés. Vous pourrez le restaurer dans Préférences → Données et synchronisation.</translation>
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
        <source>Ctrl+Enter</source>
        <translation>Ctrl+Enter</translation>
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
        <source>Ctrl+D</source>
        <translation>Ctrl+D</translation>
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
        <source>New transaction</source>
        <translation>Nouvelle opération</translation>
    </message>
    <message>
        <source>New account</source>
        <translation>Nouveau compte</translation>
    </message>
    <message>
        <source>Reconcile account</source>
        <translation>Rapprocher le compte</translation>
    </message>
    <message>
        <source>Ctrl+F</source>
        <translation>Ctrl+F</translation>
    </message>
    <message>
        <source>Search transactions</source>
        <translation>Rechercher des opérations</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Rapports</translation>
    </message>
    <message>
        <source>Recurring transactions</source>
        <translation>Opérations récurrentes</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Catégories</translation>
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
    <name>RegisterDelegate</name>
    <message>
        <source>Open calendar (F4)</source>
        <translation>Ouvrir le calendrier (F4)</translation>
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
        <source>Ctrl+Enter: save  |  Enter: next  |  Ctrl+D: delete  |  &apos;: copy above</source>
        <translation>Ctrl+Enter : enregistrer  |  Entrée : suivant  |  Ctrl+D : supprimer  |  &apos; : recopier au-dessus</translation>
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
        <source>Payee is required</source>
        <translation>Le bénéficiaire est obligatoire</translation>
    </message>
    <message>
        <source>Enter a payment or deposit amount</source>
        <translation>Saisissez un montant au débit ou au crédit</translation>
    </message>
    <message>
        <source>Cannot read the amount &quot;%1&quot;; type it like 1,234.56</source>
        <translation>Montant « %1 » illisible ; saisissez-le sous la forme 1,234.56</translation>
    </message>
    <message>
        <source>An existing transaction cannot become a transfer; delete it and enter the transfer as a new transaction</source>
        <translation>Une opération existante ne peut pas devenir un virement ; supprimez-la et saisissez le virement comme nouvelle opération</translation>
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
        <source>Could not save the transaction</source>
        <translation>Impossible d&apos;enregistrer l&apos;opération</translation>
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
        <source>Could not save the split</source>
        <translation>Impossible d&apos;enregistrer la ventilation</translation>
    </message>
    <message>
        <source>Split saved</source>
        <translation>Ventilation enregistrée</translation>
    </message>
    <message>
        <source>&amp;Insert New (Ctrl+I)</source>
        <translation>&amp;Insérer une ligne (Ctrl+I)</translation>
    </message>
    <message>
        <source>&amp;New Transaction... (Ctrl+N)</source>
        <translation>&amp;Nouvelle opération... (Ctrl+N)</translation>
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
        <source>S&amp;plit...</source>
        <translation>&amp;Ventiler...</translation>
    </message>
    <message>
        <source>&amp;Delete (Ctrl+D)</source>
        <translation>&amp;Supprimer (Ctrl+D)</translation>
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
