<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AccountActions</name>
    <message>
        <source>New Account</source>
        <translation>Nueva cuenta</translation>
    </message>
    <message>
        <source>The account could not be created.</source>
        <translation>No se pudo crear la cuenta.</translation>
    </message>
    <message>
        <source>Nothing was stored; your other accounts are unchanged.</source>
        <translation>No se ha guardado nada; sus demás cuentas no han cambiado.</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>Editar cuenta</translation>
    </message>
    <message>
        <source>The changes could not be saved.</source>
        <translation>No se pudieron guardar los cambios.</translation>
    </message>
    <message>
        <source>The account was deleted meanwhile.</source>
        <translation>La cuenta se eliminó mientras tanto.</translation>
    </message>
    <message>
        <source>The account keeps its previous details and balance.</source>
        <translation>La cuenta conserva sus datos y su saldo anteriores.</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;?

All transactions, recurring entries, and reconciliation history for this account will be removed. You can restore it from Preferences → Data &amp; Sync.</source>
        <translation>¿Eliminar «%1»?

Se quitarán todos los movimientos, los movimientos recurrentes y el historial de conciliaciones de esta cuenta. Puede restaurarla en Preferencias → Sincronización.</translation>
    </message>
    <message>
        <source>The transaction you are typing in this account will be discarded.</source>
        <translation>Se descartará la transacción que está escribiendo en esta cuenta.</translation>
    </message>
    <message>
        <source>Delete Account</source>
        <translation>Eliminar cuenta</translation>
    </message>
    <message>
        <source>The account could not be deleted.</source>
        <translation>No se pudo eliminar la cuenta.</translation>
    </message>
    <message>
        <source>Nothing was removed: the account and all its entries are kept.</source>
        <translation>No se ha quitado nada: la cuenta y todos sus movimientos se conservan.</translation>
    </message>
    <message>
        <source>Sign In Required</source>
        <translation>Es necesario iniciar sesión</translation>
    </message>
    <message>
        <source>Sharing requires a Tindral account. Sign in via File › Sign In to enable sharing.</source>
        <translation>Para compartir se necesita una cuenta de Tindral. Inicie sesión en Archivo › Iniciar sesión para activar el uso compartido.</translation>
    </message>
    <message>
        <source>Sync this account once before sharing it</source>
        <translation>Sincronice esta cuenta una vez antes de compartirla</translation>
    </message>
    <message>
        <source>Share Account</source>
        <translation>Compartir cuenta</translation>
    </message>
    <message>
        <source>Sharing: %1</source>
        <translation>Compartir: %1</translation>
    </message>
    <message>
        <source>Share this account with members of your Tindral family group. They&apos;ll see the same register, balances, and reconciliation history on their devices.</source>
        <translation>Comparta esta cuenta con los miembros de su grupo familiar de Tindral. Verán los mismos movimientos, saldos e historial de conciliaciones en sus dispositivos.</translation>
    </message>
    <message>
        <source>Shared with</source>
        <translation>Compartida con</translation>
    </message>
    <message>
        <source>Not shared with anyone yet.</source>
        <translation>Todavía no se comparte con nadie.</translation>
    </message>
    <message>
        <source>You&apos;re not part of a Tindral group yet. Create or join one under File › Tindral Account..., then share this account with its members.</source>
        <translation>Todavía no pertenece a ningún grupo de Tindral. Cree uno o únase a uno en Archivo › Cuenta de Tindral... y comparta después esta cuenta con sus miembros.</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Compartir</translation>
    </message>
    <message>
        <source>Remove Selected</source>
        <translation>Quitar seleccionados</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Share Failed</source>
        <translation>Error al compartir</translation>
    </message>
    <message>
        <source>Remove Failed</source>
        <translation>Error al quitar</translation>
    </message>
    <message>
        <source>Remove Share</source>
        <translation>Dejar de compartir</translation>
    </message>
    <message>
        <source>Remove %1&apos;s access to this account?</source>
        <translation>¿Quitar a %1 el acceso a esta cuenta?</translation>
    </message>
    <message>
        <source>This account can be shared after its first sync.</source>
        <translation>Esta cuenta se podrá compartir después de su primera sincronización.</translation>
    </message>
</context>
<context>
    <name>AccountContextMenu</name>
    <message>
        <source>Account actions</source>
        <translation>Acciones de la cuenta</translation>
    </message>
    <message>
        <source>New Account...</source>
        <translation>Nueva cuenta...</translation>
    </message>
    <message>
        <source>Edit &quot;%1&quot;...</source>
        <translation>Editar «%1»...</translation>
    </message>
    <message>
        <source>Reconcile...</source>
        <translation>Conciliar...</translation>
    </message>
    <message>
        <source>Reconciliation History...</source>
        <translation>Historial de conciliaciones...</translation>
    </message>
    <message>
        <source>Rename Payees...</source>
        <translation>Renombrar beneficiarios...</translation>
    </message>
    <message>
        <source>Share...</source>
        <translation>Compartir...</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;</source>
        <translation>Eliminar «%1»</translation>
    </message>
</context>
<context>
    <name>AccountDevicesPage</name>
    <message>
        <source>Registered Devices</source>
        <translation>Dispositivos registrados</translation>
    </message>
    <message>
        <source>Devices that have synced with your account.</source>
        <translation>Dispositivos que se han sincronizado con su cuenta.</translation>
    </message>
    <message>
        <source>No devices registered.</source>
        <translation>No hay dispositivos registrados.</translation>
    </message>
    <message>
        <source>Unknown Device</source>
        <translation>Dispositivo desconocido</translation>
    </message>
    <message>
        <source>  ·  v%1</source>
        <translation>  ·  v%1</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Quitar a %1</translation>
    </message>
    <message>
        <source>Remove Device</source>
        <translation>Quitar dispositivo</translation>
    </message>
    <message>
        <source>Remove %1?</source>
        <translation>¿Quitar %1?</translation>
    </message>
    <message>
        <source>Device removed.</source>
        <translation>Dispositivo quitado.</translation>
    </message>
    <message>
        <source>Failed to remove device.</source>
        <translation>No se pudo quitar el dispositivo.</translation>
    </message>
</context>
<context>
    <name>AccountFormDialog</name>
    <message>
        <source>New Account</source>
        <translation>Nueva cuenta</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>Editar cuenta</translation>
    </message>
    <message>
        <source>Account name</source>
        <translation>Nombre de la cuenta</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>Cuenta corriente</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Cuenta de ahorro</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Tarjeta de crédito</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Efectivo</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>Inversión</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Otra</translation>
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
        <translation>Nombre del banco (opcional)</translation>
    </message>
    <message>
        <source>Last 4 digits (optional)</source>
        <translation>Últimos 4 dígitos (opcional)</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Tipo:</translation>
    </message>
    <message>
        <source>&amp;Currency:</source>
        <translation>&amp;Moneda:</translation>
    </message>
    <message>
        <source>Starting &amp;Balance:</source>
        <translation>Saldo &amp;inicial:</translation>
    </message>
    <message>
        <source>&amp;As of:</source>
        <translation>A &amp;fecha de:</translation>
    </message>
    <message>
        <source>&amp;Institution:</source>
        <translation>&amp;Entidad:</translation>
    </message>
    <message>
        <source>Account &amp;Number:</source>
        <translation>Número de &amp;cuenta:</translation>
    </message>
</context>
<context>
    <name>AccountGroupPage</name>
    <message>
        <source>No Group</source>
        <translation>Sin grupo</translation>
    </message>
    <message>
        <source>You&apos;re not part of a group. The group owner can invite you, or you can join with an invite code.</source>
        <translation>No pertenece a ningún grupo. El propietario de un grupo puede invitarle, o puede unirse con un código de invitación.</translation>
    </message>
    <message>
        <source>Join with Invite Code</source>
        <translation>Unirse con un código de invitación</translation>
    </message>
    <message>
        <source>%1 of %2 seats used</source>
        <translation>%1 de %2 plazas ocupadas</translation>
    </message>
    <message>
        <source>Members</source>
        <translation>Miembros</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Propietario</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Quitar a %1</translation>
    </message>
    <message>
        <source>Remove Member</source>
        <translation>Quitar miembro</translation>
    </message>
    <message>
        <source>Remove %1 from the group?</source>
        <translation>¿Quitar a %1 del grupo?</translation>
    </message>
    <message>
        <source>Failed to remove %1.</source>
        <translation>No se pudo quitar a %1.</translation>
    </message>
    <message>
        <source>%1 removed.</source>
        <translation>Se ha quitado a %1.</translation>
    </message>
    <message>
        <source>Pending Invitations</source>
        <translation>Invitaciones pendientes</translation>
    </message>
    <message>
        <source>Invite code: %1</source>
        <translation>Código de invitación: %1</translation>
    </message>
    <message>
        <source>Revoke</source>
        <translation>Revocar</translation>
    </message>
    <message>
        <source>Revoke invitation %1</source>
        <translation>Revocar la invitación %1</translation>
    </message>
    <message>
        <source>Invitation revoked.</source>
        <translation>Invitación revocada.</translation>
    </message>
    <message>
        <source>Failed to revoke invitation.</source>
        <translation>No se pudo revocar la invitación.</translation>
    </message>
    <message>
        <source>Invite Members</source>
        <translation>Invitar a miembros</translation>
    </message>
    <message>
        <source>Invite by Email</source>
        <translation>Invitar por correo electrónico</translation>
    </message>
    <message>
        <source>Generate Invite Code</source>
        <translation>Generar código de invitación</translation>
    </message>
    <message>
        <source>Leave Group</source>
        <translation>Abandonar el grupo</translation>
    </message>
    <message>
        <source>Leave this group? You will lose access to shared data.</source>
        <translation>¿Abandonar este grupo? Perderá el acceso a los datos compartidos.</translation>
    </message>
    <message>
        <source>Left group.</source>
        <translation>Ha abandonado el grupo.</translation>
    </message>
    <message>
        <source>Failed to leave group.</source>
        <translation>No se pudo abandonar el grupo.</translation>
    </message>
    <message>
        <source>Join Group</source>
        <translation>Unirse a un grupo</translation>
    </message>
    <message>
        <source>Enter invite code:</source>
        <translation>Introduzca el código de invitación:</translation>
    </message>
    <message>
        <source>Joined group.</source>
        <translation>Se ha unido al grupo.</translation>
    </message>
    <message>
        <source>Invalid or expired invite code.</source>
        <translation>El código de invitación no es válido o ha caducado.</translation>
    </message>
    <message>
        <source>Email address:</source>
        <translation>Correo electrónico:</translation>
    </message>
    <message>
        <source>Invitation sent.</source>
        <translation>Invitación enviada.</translation>
    </message>
    <message>
        <source>Failed to send invitation.</source>
        <translation>No se pudo enviar la invitación.</translation>
    </message>
    <message>
        <source>Failed to generate code.</source>
        <translation>No se pudo generar el código.</translation>
    </message>
    <message>
        <source>Invite Code</source>
        <translation>Código de invitación</translation>
    </message>
    <message>
        <source>Share this code with the person you want to invite:

%1</source>
        <translation>Comparta este código con la persona a la que quiere invitar:

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
        <translation>Cuenta corriente</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Cuenta de ahorro</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Tarjeta de crédito</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Efectivo</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>Inversión</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Otra</translation>
    </message>
    <message>
        <source>No accounts</source>
        <translation>Sin cuentas</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>Total: %1</translation>
    </message>
</context>
<context>
    <name>AccountPrivacyPage</name>
    <message>
        <source>Danger Zone</source>
        <translation>Zona de peligro</translation>
    </message>
    <message>
        <source>Permanently delete your account. This cannot be undone after 30 days.</source>
        <translation>Elimina su cuenta de forma definitiva. Pasados 30 días no se puede deshacer.</translation>
    </message>
    <message>
        <source>Delete Account</source>
        <translation>Eliminar cuenta</translation>
    </message>
    <message>
        <source>You are the group owner. Transfer ownership or remove all members before deleting your account.</source>
        <translation>Es el propietario del grupo. Transfiera la propiedad o quite a todos los miembros antes de eliminar su cuenta.</translation>
    </message>
    <message>
        <source>This will schedule your account for permanent deletion after 30 days.

Type DELETE to confirm:</source>
        <translation>Su cuenta se eliminará de forma definitiva dentro de 30 días.

Escriba DELETE para confirmar:</translation>
    </message>
    <message>
        <source>Failed to delete account.</source>
        <translation>No se pudo eliminar la cuenta.</translation>
    </message>
    <message>
        <source>Account Scheduled for Deletion</source>
        <translation>Eliminación de la cuenta programada</translation>
    </message>
    <message>
        <source>Your account will be permanently deleted in 30 days. You can recover it by signing in before then.</source>
        <translation>Su cuenta se eliminará de forma definitiva dentro de 30 días. Puede recuperarla si inicia sesión antes.</translation>
    </message>
</context>
<context>
    <name>AccountProfilePage</name>
    <message>
        <source>Personal Information</source>
        <translation>Datos personales</translation>
    </message>
    <message>
        <source>(not set)</source>
        <translation>(sin definir)</translation>
    </message>
    <message>
        <source>Display name</source>
        <translation>Nombre visible</translation>
    </message>
    <message>
        <source>Edit Display Name</source>
        <translation>Editar nombre visible</translation>
    </message>
    <message>
        <source>E-mail address</source>
        <translation>Correo electrónico</translation>
    </message>
    <message>
        <source>Account Portal</source>
        <translation>Portal de la cuenta</translation>
    </message>
    <message>
        <source>Billing, subscriptions and more are managed on the web.</source>
        <translation>La facturación, las suscripciones y otros ajustes se gestionan en la web.</translation>
    </message>
    <message>
        <source>Open Account Portal</source>
        <translation>Abrir el portal de la cuenta</translation>
    </message>
    <message>
        <source>Display name:</source>
        <translation>Nombre visible:</translation>
    </message>
    <message>
        <source>Display name updated.</source>
        <translation>Nombre visible actualizado.</translation>
    </message>
    <message>
        <source>Failed to update profile.</source>
        <translation>No se pudo actualizar el perfil.</translation>
    </message>
</context>
<context>
    <name>AccountScreen</name>
    <message>
        <source>Tindral Account</source>
        <translation>Cuenta de Tindral</translation>
    </message>
    <message>
        <source>Account sections</source>
        <translation>Secciones de la cuenta</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Perfil</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Grupo</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Dispositivos</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Seguridad</translation>
    </message>
    <message>
        <source>Data &amp; Privacy</source>
        <translation>Datos y privacidad</translation>
    </message>
    <message>
        <source>Account section</source>
        <translation>Sección de la cuenta</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconocido</translation>
    </message>
    <message>
        <source>Active now</source>
        <translation>Activa ahora</translation>
    </message>
    <message>
        <source>%1m ago</source>
        <translation>hace %1 min</translation>
    </message>
    <message>
        <source>%1h ago</source>
        <translation>hace %1 h</translation>
    </message>
    <message>
        <source>%1d ago</source>
        <translation>hace %1 d</translation>
    </message>
</context>
<context>
    <name>AccountSecurityPage</name>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Cambiar contraseña</translation>
    </message>
    <message>
        <source>Change your account password.</source>
        <translation>Cambie la contraseña de su cuenta.</translation>
    </message>
    <message>
        <source>Active Sessions</source>
        <translation>Sesiones activas</translation>
    </message>
    <message>
        <source>Sessions currently signed in to your account.</source>
        <translation>Sesiones abiertas ahora mismo con su cuenta.</translation>
    </message>
    <message>
        <source>No active sessions.</source>
        <translation>No hay sesiones activas.</translation>
    </message>
    <message>
        <source>Unknown client</source>
        <translation>Cliente desconocido</translation>
    </message>
    <message>
        <source>This session</source>
        <translation>Esta sesión</translation>
    </message>
    <message>
        <source>  ·  %1</source>
        <translation>  ·  %1</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Actual</translation>
    </message>
    <message>
        <source>Revoke</source>
        <translation>Revocar</translation>
    </message>
    <message>
        <source>Revoke session %1</source>
        <translation>Revocar la sesión %1</translation>
    </message>
    <message>
        <source>Session revoked.</source>
        <translation>Sesión revocada.</translation>
    </message>
    <message>
        <source>Failed to revoke session.</source>
        <translation>No se pudo revocar la sesión.</translation>
    </message>
    <message>
        <source>Current password:</source>
        <translation>Contraseña actual:</translation>
    </message>
    <message>
        <source>New password (min 8 characters):</source>
        <translation>Contraseña nueva (mín. 8 caracteres):</translation>
    </message>
    <message>
        <source>Password must be at least 8 characters.</source>
        <translation>La contraseña debe tener al menos 8 caracteres.</translation>
    </message>
    <message>
        <source>Confirm new password:</source>
        <translation>Confirme la contraseña nueva:</translation>
    </message>
    <message>
        <source>Passwords do not match.</source>
        <translation>Las contraseñas no coinciden.</translation>
    </message>
    <message>
        <source>Password changed.</source>
        <translation>Contraseña cambiada.</translation>
    </message>
    <message>
        <source>Failed to change password.</source>
        <translation>No se pudo cambiar la contraseña.</translation>
    </message>
</context>
<context>
    <name>AccountSharingService</name>
    <message>
        <source>Failed to share account (HTTP %1)</source>
        <translation>No se pudo compartir la cuenta (HTTP %1)</translation>
    </message>
</context>
<context>
    <name>AccountSidebar</name>
    <message>
        <source>Sidebar</source>
        <translation>Barra lateral</translation>
    </message>
    <message>
        <source>Accounts</source>
        <translation>Cuentas</translation>
    </message>
    <message>
        <source>Total of all accounts</source>
        <translation>Total de todas las cuentas</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Failed to initialize the database.

Data directory: %1

Please check file permissions and try again.</source>
        <translation>No se pudo abrir la base de datos.

Carpeta de datos: %1

Compruebe los permisos de los archivos e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Database Error</source>
        <translation>Error de la base de datos</translation>
    </message>
    <message>
        <source>Updating your data for this version of %1...</source>
        <translation>Actualizando sus datos para esta versión de %1...</translation>
    </message>
</context>
<context>
    <name>BackgroundJob</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Cancelando...</translation>
    </message>
    <message>
        <source>%1 rows done</source>
        <translation>%1 registros procesados</translation>
    </message>
</context>
<context>
    <name>BackupFlow</name>
    <message>
        <source>Replace all with backup data</source>
        <translation>Reemplazar todo con los datos de la copia</translation>
    </message>
    <message>
        <source>Keep newer (compare timestamps)</source>
        <translation>Conservar lo más reciente (comparar fechas)</translation>
    </message>
    <message>
        <source>Skip existing items</source>
        <translation>Omitir los elementos existentes</translation>
    </message>
    <message>
        <source>Import Mode</source>
        <translation>Modo de importación</translation>
    </message>
    <message>
        <source>How should existing data be handled?</source>
        <translation>¿Qué hacer con los datos existentes?</translation>
    </message>
    <message>
        <source>Replace Existing Data</source>
        <translation>Reemplazar los datos existentes</translation>
    </message>
    <message>
        <source>Every record in the backup replaces the record of the same id here, including changes made since the backup was written. Records that are not in the backup are kept.

Continue?</source>
        <translation>Cada registro de la copia reemplaza al registro con el mismo id que hay aquí, incluidos los cambios hechos después de crear la copia. Los registros que no están en la copia se conservan.

¿Continuar?</translation>
    </message>
    <message>
        <source>Export Backup</source>
        <translation>Exportar copia de seguridad</translation>
    </message>
    <message>
        <source>ZIP Files (*.zip)</source>
        <translation>Archivos ZIP (*.zip)</translation>
    </message>
    <message>
        <source>Exporting backup...</source>
        <translation>Exportando la copia de seguridad...</translation>
    </message>
    <message>
        <source>Backup Complete</source>
        <translation>Copia de seguridad completada</translation>
    </message>
    <message>
        <source>Backup saved to:
%1</source>
        <translation>Copia de seguridad guardada en:
%1</translation>
    </message>
    <message>
        <source>Could not write to:
%1

%2</source>
        <translation>No se pudo escribir en:
%1

%2</translation>
    </message>
    <message>
        <source>The backup could not be made: %1</source>
        <translation>No se pudo hacer la copia de seguridad: %1</translation>
    </message>
    <message>
        <source>The database could not be opened for the backup.</source>
        <translation>No se pudo abrir la base de datos para la copia de seguridad.</translation>
    </message>
    <message>
        <source>Backup Failed</source>
        <translation>Error en la copia de seguridad</translation>
    </message>
    <message>
        <source>No backup file was written.</source>
        <translation>No se ha escrito ningún archivo de copia de seguridad.</translation>
    </message>
    <message>
        <source>Import Backup</source>
        <translation>Importar copia de seguridad</translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation>Error en la importación</translation>
    </message>
    <message>
        <source>Could not read file.</source>
        <translation>No se pudo leer el archivo.</translation>
    </message>
    <message>
        <source>Restoring backup...</source>
        <translation>Restaurando la copia de seguridad...</translation>
    </message>
    <message>
        <source>The database could not be opened for the restore.</source>
        <translation>No se pudo abrir la base de datos para la restauración.</translation>
    </message>
    <message>
        <source>Nothing was restored.</source>
        <translation>No se ha restaurado nada.</translation>
    </message>
    <message>
        <source>Imported %1 items, skipped %2.</source>
        <translation>Elementos importados: %1; omitidos: %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n error(s) occurred.</source>
        <translation>
            <numerusform>Se ha producido %n error.</numerusform>
            <numerusform>Se han producido %n errores.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) were left out: they come from a newer version of Tindral Quillon.</source>
        <translation>
            <numerusform>Se ha omitido %n registro: procede de una versión más reciente de Tindral Quillon.</numerusform>
            <numerusform>Se han omitido %n registros: proceden de una versión más reciente de Tindral Quillon.</numerusform>
        </translation>
    </message>
    <message>
        <source>Import Complete</source>
        <translation>Importación completada</translation>
    </message>
</context>
<context>
    <name>BackupService</name>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>No se puede leer %1: %2</translation>
    </message>
    <message>
        <source>%1: the row is too large for a backup (%2 bytes)</source>
        <translation>%1: el registro es demasiado grande para una copia de seguridad (%2 bytes)</translation>
    </message>
    <message>
        <source>The database is too large for a backup</source>
        <translation>La base de datos es demasiado grande para una copia de seguridad</translation>
    </message>
    <message>
        <source>The archive could not be written</source>
        <translation>No se pudo escribir el archivo</translation>
    </message>
    <message>
        <source>Failed to open ZIP archive</source>
        <translation>No se pudo abrir el archivo ZIP</translation>
    </message>
    <message>
        <source>%1: entry too large</source>
        <translation>%1: entrada demasiado grande</translation>
    </message>
    <message>
        <source>Invalid backup: missing manifest.json</source>
        <translation>Copia de seguridad no válida: falta manifest.json</translation>
    </message>
    <message>
        <source>Unsupported backup version: %1</source>
        <translation>Versión de copia de seguridad no admitida: %1</translation>
    </message>
    <message>
        <source>The backup is too large to restore</source>
        <translation>La copia de seguridad es demasiado grande para restaurarla</translation>
    </message>
    <message>
        <source>The backup could not be written to the database (%1); nothing was restored.</source>
        <translation>No se pudo escribir la copia de seguridad en la base de datos (%1); no se ha restaurado nada.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: unexpected error</source>
        <translation>%1: error inesperado</translation>
    </message>
    <message>
        <source>%1: invalid JSON</source>
        <translation>%1: JSON no válido</translation>
    </message>
    <message>
        <source>the row has no id</source>
        <translation>el registro no tiene id</translation>
    </message>
    <message>
        <source>invalid value for %1</source>
        <translation>valor no válido para %1</translation>
    </message>
    <message>
        <source>The backup was cancelled</source>
        <translation>Se ha cancelado la copia de seguridad</translation>
    </message>
    <message>
        <source>The restore was cancelled; nothing was restored.</source>
        <translation>Se ha cancelado la restauración; no se ha restaurado nada.</translation>
    </message>
</context>
<context>
    <name>BudgetScreen</name>
    <message>
        <source>Budget</source>
        <translation>Presupuesto</translation>
    </message>
    <message>
        <source>&lt; Previous</source>
        <translation>&lt; Anterior</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Mes anterior</translation>
    </message>
    <message>
        <source>Previous month (Alt+Left)</source>
        <translation>Mes anterior (Alt+Left)</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>Siguiente &gt;</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Mes siguiente</translation>
    </message>
    <message>
        <source>Next month (Alt+Right)</source>
        <translation>Mes siguiente (Alt+Right)</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mes</translation>
    </message>
    <message>
        <source>Co&amp;py Last Month</source>
        <translation>Co&amp;piar mes anterior</translation>
    </message>
    <message>
        <source>Copy last month&apos;s budgets</source>
        <translation>Copiar los presupuestos del mes anterior</translation>
    </message>
    <message>
        <source>Fill from &amp;Average</source>
        <translation>Rellenar con el pro&amp;medio</translation>
    </message>
    <message>
        <source>Fill from the average of the last three months</source>
        <translation>Rellenar con el promedio de los últimos tres meses</translation>
    </message>
    <message>
        <source>Budget by category</source>
        <translation>Presupuesto por categoría</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Carried In</source>
        <translation>Arrastrado</translation>
    </message>
    <message>
        <source>Spent</source>
        <translation>Gastado</translation>
    </message>
    <message>
        <source>Remaining</source>
        <translation>Restante</translation>
    </message>
    <message>
        <source>Used</source>
        <translation>Usado</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Totales</translation>
    </message>
    <message>
        <source>Budget amount</source>
        <translation>Importe del presupuesto</translation>
    </message>
    <message>
        <source>&amp;Roll over what is left</source>
        <translation>T&amp;raspasar lo que sobre</translation>
    </message>
    <message>
        <source>Roll over what is left into the next month</source>
        <translation>Traspasar lo que sobre al mes siguiente</translation>
    </message>
    <message>
        <source>&amp;Set Budget</source>
        <translation>&amp;Fijar presupuesto</translation>
    </message>
    <message>
        <source>Set budget</source>
        <translation>Fijar presupuesto</translation>
    </message>
    <message>
        <source>C&amp;lear Budget</source>
        <translation>Borrar pres&amp;upuesto</translation>
    </message>
    <message>
        <source>Clear budget</source>
        <translation>Borrar presupuesto</translation>
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
        <translation> (suma)</translation>
    </message>
    <message>
        <source>%1: %2% of the budget used</source>
        <translation>%1: %2% del presupuesto usado</translation>
    </message>
    <message>
        <source>Budget %1 · Carried in %2 · Spent %3 · Remaining %4</source>
        <translation>Presupuesto %1 · Arrastrado %2 · Gastado %3 · Restante %4</translation>
    </message>
    <message>
        <source>&amp;Budget:</source>
        <translation>Presupu&amp;esto:</translation>
    </message>
    <message>
        <source>&amp;Budget for %1:</source>
        <translation>Presupu&amp;esto para %1:</translation>
    </message>
    <message>
        <source>The budgets could not be saved.</source>
        <translation>No se pudieron guardar los presupuestos.</translation>
    </message>
    <message>
        <source>The month keeps its previous budgets.</source>
        <translation>El mes conserva sus presupuestos anteriores.</translation>
    </message>
    <message>
        <source>Set Budget</source>
        <translation>Fijar presupuesto</translation>
    </message>
    <message>
        <source>Clear Budget</source>
        <translation>Borrar presupuesto</translation>
    </message>
    <message>
        <source>Copy Last Month</source>
        <translation>Copiar mes anterior</translation>
    </message>
    <message>
        <source>Fill from Average</source>
        <translation>Rellenar con el promedio</translation>
    </message>
</context>
<context>
    <name>BudgetService</name>
    <message>
        <source>Copy Budgets from Last Month</source>
        <translation>Copiar presupuestos del mes anterior</translation>
    </message>
    <message>
        <source>Fill Budgets from Average</source>
        <translation>Rellenar presupuestos con el promedio</translation>
    </message>
</context>
<context>
    <name>CategoriesScreen</name>
    <message>
        <source>+ New Category</source>
        <translation>+ Nueva categoría</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categorías</translation>
    </message>
    <message>
        <source>New Category</source>
        <translation>Nueva categoría</translation>
    </message>
    <message>
        <source>Category tree</source>
        <translation>Árbol de categorías</translation>
    </message>
    <message>
        <source>Category name:</source>
        <translation>Nombre de la categoría:</translation>
    </message>
    <message>
        <source>The category could not be created.</source>
        <translation>No se pudo crear la categoría.</translation>
    </message>
    <message>
        <source>Nothing was added; your categories are unchanged.</source>
        <translation>No se ha añadido nada; sus categorías no han cambiado.</translation>
    </message>
    <message>
        <source>Edit Category</source>
        <translation>Editar categoría</translation>
    </message>
    <message>
        <source>The category could not be renamed.</source>
        <translation>No se pudo cambiar el nombre de la categoría.</translation>
    </message>
    <message>
        <source>It keeps its previous name.</source>
        <translation>Conserva su nombre anterior.</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;?</source>
        <translation>¿Eliminar «%1»?</translation>
    </message>
    <message numerus="yes">
        <source>%n transaction(s) using this category will become uncategorized.</source>
        <translation>
            <numerusform>%n movimiento con esta categoría quedará sin categoría.</numerusform>
            <numerusform>%n movimientos con esta categoría quedarán sin categoría.</numerusform>
        </translation>
    </message>
    <message>
        <source>No transactions use this category.</source>
        <translation>Ningún movimiento usa esta categoría.</translation>
    </message>
    <message>
        <source>Its sub-categories will move to the top level.</source>
        <translation>Sus subcategorías pasarán al nivel superior.</translation>
    </message>
    <message>
        <source>Delete Category</source>
        <translation>Eliminar categoría</translation>
    </message>
    <message>
        <source>The category could not be deleted.</source>
        <translation>No se pudo eliminar la categoría.</translation>
    </message>
    <message>
        <source>Nothing was changed: the category and its transactions are as they were.</source>
        <translation>No se ha cambiado nada: la categoría y sus movimientos siguen igual.</translation>
    </message>
    <message>
        <source>Category actions</source>
        <translation>Acciones de la categoría</translation>
    </message>
    <message>
        <source>&amp;New Category</source>
        <translation>&amp;Nueva categoría</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;liminar</translation>
    </message>
</context>
<context>
    <name>CategoryService</name>
    <message>
        <source>Charitable Donations</source>
        <translation>Donativos</translation>
    </message>
    <message>
        <source>Medical Expenses</source>
        <translation>Gastos médicos</translation>
    </message>
    <message>
        <source>Business Expenses</source>
        <translation>Gastos profesionales</translation>
    </message>
    <message>
        <source>Home Office</source>
        <translation>Oficina en casa</translation>
    </message>
    <message>
        <source>Education Expenses</source>
        <translation>Formación</translation>
    </message>
    <message>
        <source>State &amp; Local Taxes</source>
        <translation>Impuestos autonómicos y locales</translation>
    </message>
    <message>
        <source>Mortgage Interest</source>
        <translation>Intereses de la hipoteca</translation>
    </message>
    <message>
        <source>Property Tax</source>
        <translation>IBI</translation>
    </message>
    <message>
        <source>Housing</source>
        <translation>Vivienda</translation>
    </message>
    <message>
        <source>Rent/Mortgage Payment</source>
        <translation>Alquiler/Hipoteca</translation>
    </message>
    <message>
        <source>Maintenance</source>
        <translation>Mantenimiento</translation>
    </message>
    <message>
        <source>HOA</source>
        <translation>Comunidad de propietarios</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>Suministros</translation>
    </message>
    <message>
        <source>Electric</source>
        <translation>Luz</translation>
    </message>
    <message>
        <source>Gas</source>
        <translation>Gas</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Agua</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Teléfono</translation>
    </message>
    <message>
        <source>Transportation</source>
        <translation>Transporte</translation>
    </message>
    <message>
        <source>Gas/Fuel</source>
        <translation>Combustible</translation>
    </message>
    <message>
        <source>Car Payment</source>
        <translation>Cuota del coche</translation>
    </message>
    <message>
        <source>Auto Insurance</source>
        <translation>Seguro del coche</translation>
    </message>
    <message>
        <source>Public Transit</source>
        <translation>Transporte público</translation>
    </message>
    <message>
        <source>Groceries</source>
        <translation>Supermercado</translation>
    </message>
    <message>
        <source>Dining &amp; Restaurants</source>
        <translation>Restaurantes</translation>
    </message>
    <message>
        <source>Personal Care</source>
        <translation>Cuidado personal</translation>
    </message>
    <message>
        <source>Pets</source>
        <translation>Mascotas</translation>
    </message>
    <message>
        <source>Subscriptions</source>
        <translation>Suscripciones</translation>
    </message>
    <message>
        <source>Gifts</source>
        <translation>Regalos</translation>
    </message>
    <message>
        <source>Miscellaneous</source>
        <translation>Varios</translation>
    </message>
    <message>
        <source>Entertainment</source>
        <translation>Ocio</translation>
    </message>
    <message>
        <source>Streaming</source>
        <translation>Streaming</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Cine</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Espectáculos</translation>
    </message>
    <message>
        <source>Shopping</source>
        <translation>Compras</translation>
    </message>
    <message>
        <source>Clothing</source>
        <translation>Ropa</translation>
    </message>
    <message>
        <source>Electronics</source>
        <translation>Electrónica</translation>
    </message>
    <message>
        <source>Household</source>
        <translation>Artículos del hogar</translation>
    </message>
    <message>
        <source>Insurance</source>
        <translation>Seguros</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>Salud</translation>
    </message>
    <message>
        <source>Life</source>
        <translation>Vida</translation>
    </message>
    <message>
        <source>Home/Renters</source>
        <translation>Hogar</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Coche</translation>
    </message>
    <message>
        <source>Fees &amp; Charges</source>
        <translation>Comisiones y recargos</translation>
    </message>
    <message>
        <source>Bank Fees</source>
        <translation>Comisiones bancarias</translation>
    </message>
    <message>
        <source>ATM Fees</source>
        <translation>Comisiones de cajero</translation>
    </message>
    <message>
        <source>Late Fees</source>
        <translation>Recargos por demora</translation>
    </message>
    <message>
        <source>Salary / Wages</source>
        <translation>Nómina</translation>
    </message>
    <message>
        <source>Interest Income</source>
        <translation>Intereses recibidos</translation>
    </message>
    <message>
        <source>Dividend Income</source>
        <translation>Dividendos</translation>
    </message>
    <message>
        <source>Rental Income</source>
        <translation>Ingresos por alquiler</translation>
    </message>
    <message>
        <source>Freelance / Consulting</source>
        <translation>Trabajo autónomo</translation>
    </message>
    <message>
        <source>Refunds</source>
        <translation>Reembolsos</translation>
    </message>
    <message>
        <source>Gifts Received</source>
        <translation>Regalos recibidos</translation>
    </message>
    <message>
        <source>Other Income</source>
        <translation>Otros ingresos</translation>
    </message>
</context>
<context>
    <name>CategoryTreeModel</name>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Tax Code</source>
        <translation>Código fiscal</translation>
    </message>
    <message>
        <source>Charitable contributions</source>
        <translation>Donativos</translation>
    </message>
    <message>
        <source>Medical and dental</source>
        <translation>Médicos y dentales</translation>
    </message>
    <message>
        <source>Business expense</source>
        <translation>Gasto profesional</translation>
    </message>
    <message>
        <source>Home office</source>
        <translation>Oficina en casa</translation>
    </message>
    <message>
        <source>Education</source>
        <translation>Educación</translation>
    </message>
    <message>
        <source>State and local taxes</source>
        <translation>Impuestos estatales y locales</translation>
    </message>
    <message>
        <source>Mortgage interest</source>
        <translation>Intereses hipotecarios</translation>
    </message>
    <message>
        <source>Property tax</source>
        <translation>Impuesto sobre bienes inmuebles</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Ingreso</translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation>Transferencia</translation>
    </message>
    <message>
        <source>Expense</source>
        <translation>Gasto</translation>
    </message>
</context>
<context>
    <name>EmptyStatePage</name>
    <message>
        <source>Getting started</source>
        <translation>Primeros pasos</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Cuenta</translation>
    </message>
    <message>
        <source>Welcome to Tindral Quillon</source>
        <translation>Le damos la bienvenida a Tindral Quillon</translation>
    </message>
    <message>
        <source>Create your first account to get started.</source>
        <translation>Cree su primera cuenta para empezar.</translation>
    </message>
    <message>
        <source>Create Account</source>
        <translation>Crear cuenta</translation>
    </message>
    <message>
        <source>You can also import transactions from a CSV file via File › Import.</source>
        <translation>También puede importar movimientos desde un archivo CSV en Archivo › Importar.</translation>
    </message>
</context>
<context>
    <name>EntryWriter</name>
    <message>
        <source>New Transaction</source>
        <translation>Nuevo movimiento</translation>
    </message>
    <message>
        <source>Edit Transaction</source>
        <translation>Editar movimiento</translation>
    </message>
    <message>
        <source>Mark Cleared</source>
        <translation>Marcar como punteado</translation>
    </message>
    <message>
        <source>Mark Uncleared</source>
        <translation>Marcar como no punteado</translation>
    </message>
    <message>
        <source>Split Transaction</source>
        <translation>Desglosar movimiento</translation>
    </message>
    <message>
        <source>Memorize Transaction</source>
        <translation>Memorizar movimiento</translation>
    </message>
</context>
<context>
    <name>HelpMenuActions</name>
    <message>
        <source>About Tindral Quillon</source>
        <translation>Acerca de Tindral Quillon</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Tindral Quillon&lt;/h3&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;A digital quillon register for tracking household finances.&lt;/p&gt;&lt;p&gt;&lt;small&gt;This application uses the Qt framework under the GNU LGPL version 3. The source code of Qt is available at &lt;a href=&quot;https://download.qt.io/&quot;&gt;download.qt.io&lt;/a&gt;.&lt;/small&gt;&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Tindral Quillon&lt;/h3&gt;&lt;p&gt;Versión %1&lt;/p&gt;&lt;p&gt;Un libro de cuentas digital para llevar las finanzas del hogar.&lt;/p&gt;&lt;p&gt;&lt;small&gt;Esta aplicación utiliza el framework Qt bajo la licencia GNU LGPL versión 3. El código fuente de Qt está disponible en &lt;a href=&quot;https://download.qt.io/&quot;&gt;download.qt.io&lt;/a&gt;.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Movimientos</translation>
    </message>
    <message>
        <source>Save transaction</source>
        <translation>Guardar movimiento</translation>
    </message>
    <message>
        <source>Insert new transaction</source>
        <translation>Insertar un movimiento nuevo</translation>
    </message>
    <message>
        <source>Delete current transaction</source>
        <translation>Eliminar el movimiento actual</translation>
    </message>
    <message>
        <source>Tab / Shift+Tab</source>
        <translation>Tab / Shift+Tab</translation>
    </message>
    <message>
        <source>Next / previous field</source>
        <translation>Campo siguiente / anterior</translation>
    </message>
    <message>
        <source>&apos; (apostrophe)</source>
        <translation>&apos; (apóstrofo)</translation>
    </message>
    <message>
        <source>Copy value from field above</source>
        <translation>Copiar el valor del campo de arriba</translation>
    </message>
    <message>
        <source>Date Field</source>
        <translation>Campo de fecha</translation>
    </message>
    <message>
        <source>t</source>
        <translation>t</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Hoy</translation>
    </message>
    <message>
        <source>+ / -</source>
        <translation>+ / -</translation>
    </message>
    <message>
        <source>Next / previous day</source>
        <translation>Día siguiente / anterior</translation>
    </message>
    <message>
        <source>m / h</source>
        <translation>m / h</translation>
    </message>
    <message>
        <source>First / last day of month</source>
        <translation>Primer / último día del mes</translation>
    </message>
    <message>
        <source>y / r</source>
        <translation>y / r</translation>
    </message>
    <message>
        <source>First / last day of year</source>
        <translation>Primer / último día del año</translation>
    </message>
    <message>
        <source>w / k</source>
        <translation>w / k</translation>
    </message>
    <message>
        <source>First / last day of week</source>
        <translation>Primer / último día de la semana</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Accounts</source>
        <translation>Cuentas</translation>
    </message>
    <message>
        <source>Alt+1 &amp;ndash; Alt+9</source>
        <translation>Alt+1 &amp;ndash; Alt+9</translation>
    </message>
    <message>
        <source>Switch to account 1&amp;ndash;9</source>
        <translation>Ir a la cuenta 1&amp;ndash;9</translation>
    </message>
    <message>
        <source>Alt+0</source>
        <translation>Alt+0</translation>
    </message>
    <message>
        <source>Switch to account 10</source>
        <translation>Ir a la cuenta 10</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Atajos de teclado</translation>
    </message>
    <message>
        <source>Tindral Quillon</source>
        <translation>Tindral Quillon</translation>
    </message>
    <message>
        <source>Sample Data</source>
        <translation>Datos de ejemplo</translation>
    </message>
    <message>
        <source>Sample data is already loaded.</source>
        <translation>Los datos de ejemplo ya están cargados.</translation>
    </message>
    <message>
        <source>Load Sample Data</source>
        <translation>Cargar datos de ejemplo</translation>
    </message>
    <message>
        <source>The sample data could not be loaded.</source>
        <translation>No se pudieron cargar los datos de ejemplo.</translation>
    </message>
    <message>
        <source>Nothing was added; your own accounts are unchanged.</source>
        <translation>No se ha añadido nada; sus propias cuentas no han cambiado.</translation>
    </message>
    <message>
        <source>Sample data loaded</source>
        <translation>Datos de ejemplo cargados</translation>
    </message>
    <message>
        <source>No sample data to clear.</source>
        <translation>No hay datos de ejemplo que borrar.</translation>
    </message>
    <message>
        <source>Clear Sample Data</source>
        <translation>Borrar datos de ejemplo</translation>
    </message>
    <message>
        <source>The sample data could not be removed.</source>
        <translation>No se pudieron borrar los datos de ejemplo.</translation>
    </message>
    <message>
        <source>Nothing was removed. A sample account that holds entries of your own stays until you move or delete them.</source>
        <translation>No se ha borrado nada. Una cuenta de ejemplo con movimientos suyos se mantiene hasta que los mueva o elimine.</translation>
    </message>
    <message>
        <source>Sample data cleared</source>
        <translation>Datos de ejemplo borrados</translation>
    </message>
</context>
<context>
    <name>ImportColumnMapping</name>
    <message>
        <source>CSV Column Mapping:</source>
        <translation>Asignación de columnas CSV:</translation>
    </message>
    <message>
        <source>Date column:</source>
        <translation>Columna de fecha:</translation>
    </message>
    <message>
        <source>Date column</source>
        <translation>Columna de fecha</translation>
    </message>
    <message>
        <source>Payee column:</source>
        <translation>Columna de beneficiario:</translation>
    </message>
    <message>
        <source>Payee column</source>
        <translation>Columna de beneficiario</translation>
    </message>
    <message>
        <source>Amount column:</source>
        <translation>Columna de importe:</translation>
    </message>
    <message>
        <source>Amount column</source>
        <translation>Columna de importe</translation>
    </message>
    <message>
        <source>Memo column:</source>
        <translation>Columna de concepto:</translation>
    </message>
    <message>
        <source>Memo column</source>
        <translation>Columna de concepto</translation>
    </message>
    <message>
        <source>Category column:</source>
        <translation>Columna de categoría:</translation>
    </message>
    <message>
        <source>Category column</source>
        <translation>Columna de categoría</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguna)</translation>
    </message>
    <message>
        <source>Date format</source>
        <translation>Formato de fecha</translation>
    </message>
    <message>
        <source>Date format:</source>
        <translation>Formato de fecha:</translation>
    </message>
    <message>
        <source>First row is header</source>
        <translation>La primera fila es el encabezado</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Columna %1</translation>
    </message>
    <message>
        <source>Col %1: %2</source>
        <translation>Col. %1: %2</translation>
    </message>
</context>
<context>
    <name>ImportResultPage</name>
    <message>
        <source>Import result</source>
        <translation>Resultado de la importación</translation>
    </message>
    <message>
        <source>Rows not imported</source>
        <translation>Filas no importadas</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
</context>
<context>
    <name>ImportScreen</name>
    <message>
        <source>Import Transactions</source>
        <translation>Importar movimientos</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Cuenta</translation>
    </message>
    <message>
        <source>&amp;Account:</source>
        <translation>&amp;Cuenta:</translation>
    </message>
    <message>
        <source>No file selected</source>
        <translation>Ningún archivo seleccionado</translation>
    </message>
    <message>
        <source>Chosen file</source>
        <translation>Archivo elegido</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Examinar...</translation>
    </message>
    <message>
        <source>Browse for a file</source>
        <translation>Buscar un archivo</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Archivo:</translation>
    </message>
    <message>
        <source>QIF files carry their own dates, payees and amounts: no column mapping is needed.</source>
        <translation>Los archivos QIF ya traen sus fechas, beneficiarios e importes: no hace falta asignar columnas.</translation>
    </message>
    <message>
        <source>Preview of the file</source>
        <translation>Vista previa del archivo</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Select File</source>
        <translation>Seleccionar archivo</translation>
    </message>
    <message>
        <source>The file could not be read: %1</source>
        <translation>No se pudo leer el archivo: %1</translation>
    </message>
    <message>
        <source>Col %1</source>
        <translation>Col. %1</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Beneficiario</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Concepto</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>(unreadable)</source>
        <translation>(ilegible)</translation>
    </message>
    <message>
        <source>Importing transactions...</source>
        <translation>Importando movimientos...</translation>
    </message>
    <message>
        <source>Import cancelled.

Nothing was imported.</source>
        <translation>Importación cancelada.

No se ha importado nada.</translation>
    </message>
    <message>
        <source>The database could not be opened for the import.</source>
        <translation>No se pudo abrir la base de datos para la importación.</translation>
    </message>
    <message>
        <source>Import failed.

%1

Nothing was imported.</source>
        <translation>Error en la importación.

%1

No se ha importado nada.</translation>
    </message>
    <message>
        <source>Statement account</source>
        <translation>Cuenta del extracto</translation>
    </message>
    <message>
        <source>Create the statement&apos;s account</source>
        <translation>Crear la cuenta del extracto</translation>
    </message>
    <message>
        <source>Bank Files (*.csv *.qif *.ofx *.qfx *.xml);;CSV Files (*.csv);;QIF Files (*.qif);;OFX and QFX Files (*.ofx *.qfx);;CAMT.053 Statements (*.xml);;All Files (*)</source>
        <translation>Archivos bancarios (*.csv *.qif *.ofx *.qfx *.xml);;Archivos CSV (*.csv);;Archivos QIF (*.qif);;Archivos OFX y QFX (*.ofx *.qfx);;Extractos CAMT.053 (*.xml);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Bank statements (OFX, QFX, CAMT.053) carry their own dates, payees and amounts: no column mapping is needed.</source>
        <translation>Los extractos bancarios (OFX, QFX, CAMT.053) traen sus propias fechas, beneficiarios e importes: no hace falta asignar columnas.</translation>
    </message>
    <message>
        <source>The statement is for account %1: %2 is chosen.</source>
        <translation>El extracto es de la cuenta %1: se ha elegido %2.</translation>
    </message>
    <message>
        <source>The statement is for account %1, which none of your accounts is.</source>
        <translation>El extracto es de la cuenta %1, que no es ninguna de sus cuentas.</translation>
    </message>
    <message>
        <source>Create Account %1</source>
        <translation>Crear cuenta %1</translation>
    </message>
    <message>
        <source>Account %1</source>
        <translation>Cuenta %1</translation>
    </message>
    <message>
        <source>The account could not be created.</source>
        <translation>No se pudo crear la cuenta.</translation>
    </message>
    <message>
        <source>After Rules</source>
        <translation>Tras las reglas</translation>
    </message>
    <message numerus="yes">
        <source>%n linked as transfers to rows in other accounts</source>
        <translation>
            <numerusform>%n vinculada como transferencia con movimientos de otras cuentas</numerusform>
            <numerusform>%n vinculadas como transferencias con movimientos de otras cuentas</numerusform>
        </translation>
    </message>
    <message>
        <source>Bank&apos;s ledger balance %1 on %2: %3
Account balance after import: %4</source>
        <translation>Saldo contable del banco %1 a %2: %3
Saldo de la cuenta tras la importación: %4</translation>
    </message>
    <message>
        <source>Import complete!</source>
        <translation>¡Importación completada!</translation>
    </message>
    <message numerus="yes">
        <source>%n transaction(s) imported</source>
        <translation>
            <numerusform>%n transacción importada</numerusform>
            <numerusform>%n transacciones importadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n duplicate(s) skipped</source>
        <translation>
            <numerusform>%n duplicado omitido</numerusform>
            <numerusform>%n duplicados omitidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) could not be read or stored:</source>
        <translation>
            <numerusform>%n fila no se pudo leer ni guardar:</numerusform>
            <numerusform>%n filas no se pudieron leer ni guardar:</numerusform>
        </translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Línea %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>… and %n more row(s)</source>
        <translation>
            <numerusform>… y %n fila más</numerusform>
            <numerusform>… y %n filas más</numerusform>
        </translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>desconocido</translation>
    </message>
</context>
<context>
    <name>ImportService</name>
    <message>
        <source>Its category &quot;%1&quot; could not be created</source>
        <translation>No se pudo crear su categoría «%1»</translation>
    </message>
    <message>
        <source>The database refused it: %1</source>
        <translation>La base de datos la rechazó: %1</translation>
    </message>
    <message numerus="yes">
        <source>It has %n column(s), fewer than the columns chosen</source>
        <translation>
            <numerusform>Tiene %n columna, menos que las columnas elegidas</numerusform>
            <numerusform>Tiene %n columnas, menos que las columnas elegidas</numerusform>
        </translation>
    </message>
    <message>
        <source>The date &quot;%1&quot; cannot be read as %2</source>
        <translation>La fecha «%1» no se puede leer como %2</translation>
    </message>
    <message>
        <source>The amount &quot;%1&quot; cannot be read</source>
        <translation>El importe «%1» no se puede leer</translation>
    </message>
    <message>
        <source>The date is missing or cannot be read</source>
        <translation>Falta la fecha o no se puede leer</translation>
    </message>
    <message>
        <source>The amount cannot be read</source>
        <translation>El importe no se puede leer</translation>
    </message>
    <message>
        <source>no number</source>
        <translation>sin número</translation>
    </message>
    <message>
        <source>The file holds statements of several accounts (%1). Enter the last four digits of this account&apos;s number in its settings to import its statement alone. Nothing was imported.</source>
        <translation>El archivo contiene extractos de varias cuentas (%1). Introduzca los cuatro últimos dígitos del número de esta cuenta en su configuración para importar solo su extracto. No se ha importado nada.</translation>
    </message>
    <message>
        <source>The file holds statements of several accounts (%1) and none of them ends in this account&apos;s last four digits, %2. Nothing was imported.</source>
        <translation>El archivo contiene extractos de varias cuentas (%1) y ninguna termina en los cuatro últimos dígitos de esta cuenta, %2. No se ha importado nada.</translation>
    </message>
    <message>
        <source>The file holds statements of several accounts (%1) and more than one ends in this account&apos;s last four digits, %2. Nothing was imported.</source>
        <translation>El archivo contiene extractos de varias cuentas (%1) y más de una termina en los cuatro últimos dígitos de esta cuenta, %2. No se ha importado nada.</translation>
    </message>
    <message numerus="yes">
        <source>Import of %n Transaction(s)</source>
        <translation>
            <numerusform>Importación de %n movimiento</numerusform>
            <numerusform>Importación de %n movimientos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LedgerWriter</name>
    <message>
        <source>New Account</source>
        <translation>Nueva cuenta</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>Editar cuenta</translation>
    </message>
    <message>
        <source>New Transaction</source>
        <translation>Nuevo movimiento</translation>
    </message>
    <message>
        <source>Edit Transaction</source>
        <translation>Editar movimiento</translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation>Eliminar movimiento</translation>
    </message>
    <message>
        <source>Delete Account</source>
        <translation>Eliminar cuenta</translation>
    </message>
    <message>
        <source>Restore Account</source>
        <translation>Restaurar cuenta</translation>
    </message>
    <message>
        <source>Delete Category</source>
        <translation>Eliminar categoría</translation>
    </message>
    <message>
        <source>Split Transaction</source>
        <translation>Desglosar movimiento</translation>
    </message>
    <message>
        <source>New Recurring Transaction</source>
        <translation>Nuevo movimiento recurrente</translation>
    </message>
    <message>
        <source>Edit Recurring Transaction</source>
        <translation>Editar movimiento recurrente</translation>
    </message>
    <message>
        <source>Delete Recurring Transaction</source>
        <translation>Eliminar movimiento recurrente</translation>
    </message>
    <message>
        <source>New Category</source>
        <translation>Nueva categoría</translation>
    </message>
    <message>
        <source>Rename Category</source>
        <translation>Renombrar categoría</translation>
    </message>
    <message>
        <source>Merge Payees</source>
        <translation>Combinar beneficiarios</translation>
    </message>
    <message>
        <source>Rename Payee</source>
        <translation>Renombrar beneficiario</translation>
    </message>
    <message>
        <source>Set Budget</source>
        <translation>Fijar presupuesto</translation>
    </message>
    <message>
        <source>Clear Budget</source>
        <translation>Borrar presupuesto</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New Transaction</source>
        <translation>&amp;Nuevo movimiento</translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation>Ctrl+N</translation>
    </message>
    <message>
        <source>New transaction</source>
        <translation>Nuevo movimiento</translation>
    </message>
    <message>
        <source>New &amp;Account</source>
        <translation>Nueva &amp;cuenta</translation>
    </message>
    <message>
        <source>Ctrl+Shift+N</source>
        <translation>Ctrl+Shift+N</translation>
    </message>
    <message>
        <source>New account</source>
        <translation>Nueva cuenta</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importar...</translation>
    </message>
    <message>
        <source>Ctrl+I</source>
        <translation>Ctrl+I</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Import &amp;Rules...</source>
        <translation>Re&amp;glas de importación...</translation>
    </message>
    <message>
        <source>&amp;Tindral Account...</source>
        <translation>Cuenta de &amp;Tindral...</translation>
    </message>
    <message>
        <source>&amp;Sign In...</source>
        <translation>Iniciar &amp;sesión...</translation>
    </message>
    <message>
        <source>Sign &amp;Out</source>
        <translation>Ce&amp;rrar sesión</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Sa&amp;lir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
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
        <translation>&amp;Buscar...</translation>
    </message>
    <message>
        <source>Search transactions</source>
        <translation>Buscar movimientos</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>&amp;Preferencias...</translation>
    </message>
    <message>
        <source>&amp;Account</source>
        <translation>&amp;Cuenta</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Editar...</translation>
    </message>
    <message>
        <source>&amp;Reconcile...</source>
        <translation>&amp;Conciliar...</translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation>Ctrl+R</translation>
    </message>
    <message>
        <source>Reconcile account</source>
        <translation>Conciliar la cuenta</translation>
    </message>
    <message>
        <source>Reconciliation &amp;History...</source>
        <translation>&amp;Historial de conciliaciones...</translation>
    </message>
    <message>
        <source>Rename &amp;Payees...</source>
        <translation>Renombrar &amp;beneficiarios...</translation>
    </message>
    <message>
        <source>&amp;Share...</source>
        <translation>Co&amp;mpartir...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;liminar</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Reports</source>
        <translation>&amp;Informes</translation>
    </message>
    <message>
        <source>Ctrl+2</source>
        <translation>Ctrl+2</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Informes</translation>
    </message>
    <message>
        <source>Re&amp;curring Transactions</source>
        <translation>Movimientos &amp;recurrentes</translation>
    </message>
    <message>
        <source>Ctrl+3</source>
        <translation>Ctrl+3</translation>
    </message>
    <message>
        <source>Recurring transactions</source>
        <translation>Movimientos recurrentes</translation>
    </message>
    <message>
        <source>C&amp;ategories</source>
        <translation>&amp;Categorías</translation>
    </message>
    <message>
        <source>Ctrl+4</source>
        <translation>Ctrl+4</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categorías</translation>
    </message>
    <message>
        <source>&amp;Budget</source>
        <translation>&amp;Presupuesto</translation>
    </message>
    <message>
        <source>Ctrl+5</source>
        <translation>Ctrl+5</translation>
    </message>
    <message>
        <source>Budget</source>
        <translation>Presupuesto</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;About Tindral Quillon</source>
        <translation>&amp;Acerca de Tindral Quillon</translation>
    </message>
    <message>
        <source>What&apos;s &amp;New...</source>
        <translation>&amp;Novedades...</translation>
    </message>
    <message>
        <source>Check for &amp;Updates...</source>
        <translation>Buscar act&amp;ualizaciones...</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>Atajos de &amp;teclado</translation>
    </message>
    <message>
        <source>Load &amp;Sample Data</source>
        <translation>Cargar datos de &amp;ejemplo</translation>
    </message>
    <message>
        <source>&amp;Clear Sample Data</source>
        <translation>&amp;Borrar datos de ejemplo</translation>
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
        <translation>Páginas</translation>
    </message>
    <message>
        <source>Sidebar and pages</source>
        <translation>Barra lateral y páginas</translation>
    </message>
    <message>
        <source>Sidebar width</source>
        <translation>Ancho de la barra lateral</translation>
    </message>
    <message numerus="yes">
        <source>Auto-posted %n recurring transaction(s)</source>
        <translation>
            <numerusform>Se ha registrado automáticamente %n movimiento recurrente</numerusform>
            <numerusform>Se han registrado automáticamente %n movimientos recurrentes</numerusform>
        </translation>
    </message>
    <message>
        <source>Select an account first</source>
        <translation>Seleccione antes una cuenta</translation>
    </message>
    <message>
        <source>Sync complete</source>
        <translation>Sincronización completada</translation>
    </message>
    <message>
        <source>Sync failed: %1</source>
        <translation>Error de sincronización: %1</translation>
    </message>
    <message>
        <source>Signed in successfully</source>
        <translation>Sesión iniciada</translation>
    </message>
    <message>
        <source>Sign-in failed: %1</source>
        <translation>No se pudo iniciar sesión: %1</translation>
    </message>
    <message>
        <source>Not signed in</source>
        <translation>Sin iniciar sesión</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Informes</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categorías</translation>
    </message>
    <message>
        <source>Recurring Transactions</source>
        <translation>Movimientos recurrentes</translation>
    </message>
    <message>
        <source>Search Transactions</source>
        <translation>Buscar movimientos</translation>
    </message>
    <message>
        <source>That transaction no longer exists</source>
        <translation>Ese movimiento ya no existe</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>Reconciliation History</source>
        <translation>Historial de conciliaciones</translation>
    </message>
    <message>
        <source>No Accounts</source>
        <translation>Sin cuentas</translation>
    </message>
    <message>
        <source>You need to create an account before importing transactions. Create one now?</source>
        <translation>Necesita crear una cuenta antes de importar movimientos. ¿Crearla ahora?</translation>
    </message>
    <message>
        <source>Import Transactions</source>
        <translation>Importar movimientos</translation>
    </message>
    <message>
        <source>Payee Management</source>
        <translation>Gestión de beneficiarios</translation>
    </message>
    <message>
        <source>Tindral Account</source>
        <translation>Cuenta de Tindral</translation>
    </message>
    <message>
        <source>Import Rules</source>
        <translation>Reglas de importación</translation>
    </message>
    <message>
        <source>Budget</source>
        <translation>Presupuesto</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Deshacer %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rehacer %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Your books were left as they are.</source>
        <translation>Sus cuentas quedan como estaban.</translation>
    </message>
</context>
<context>
    <name>PayeeMemoEditor</name>
    <message>
        <source>Payee</source>
        <translation>Beneficiario</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Concepto</translation>
    </message>
</context>
<context>
    <name>PayeeScreen</name>
    <message>
        <source>Rename Selected</source>
        <translation>Renombrar seleccionados</translation>
    </message>
    <message>
        <source>Merge Selected</source>
        <translation>Combinar seleccionados</translation>
    </message>
    <message>
        <source>Payee Management</source>
        <translation>Gestión de beneficiarios</translation>
    </message>
    <message>
        <source>Payees</source>
        <translation>Beneficiarios</translation>
    </message>
    <message>
        <source>Rename to:</source>
        <translation>Cambiar el nombre a:</translation>
    </message>
    <message>
        <source>Rename to</source>
        <translation>Cambiar el nombre a</translation>
    </message>
    <message>
        <source>Rename Payees</source>
        <translation>Renombrar beneficiarios</translation>
    </message>
    <message>
        <source>The payees could not be renamed.</source>
        <translation>No se pudo cambiar el nombre de los beneficiarios.</translation>
    </message>
    <message>
        <source>Nothing was changed; every transaction keeps its payee.</source>
        <translation>No se ha cambiado nada; cada movimiento conserva su beneficiario.</translation>
    </message>
    <message>
        <source>Rename Complete</source>
        <translation>Cambio de nombre completado</translation>
    </message>
    <message numerus="yes">
        <source>Renamed %n transaction(s).</source>
        <translation>
            <numerusform>Se ha cambiado el beneficiario de %n movimiento.</numerusform>
            <numerusform>Se ha cambiado el beneficiario de %n movimientos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Combinar</translation>
    </message>
    <message>
        <source>Select 2 or more payees to merge.</source>
        <translation>Seleccione 2 o más beneficiarios para combinarlos.</translation>
    </message>
    <message>
        <source>Merge Payees</source>
        <translation>Combinar beneficiarios</translation>
    </message>
    <message>
        <source>Merge %1 payees into &quot;%2&quot;?</source>
        <translation>¿Combinar %1 beneficiarios en «%2»?</translation>
    </message>
    <message>
        <source>Merge Complete</source>
        <translation>Combinación completada</translation>
    </message>
    <message numerus="yes">
        <source>Merged %n transaction(s).</source>
        <translation>
            <numerusform>Se ha combinado %n movimiento.</numerusform>
            <numerusform>Se han combinado %n movimientos.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QCalendarWidget</name>
    <message>
        <source>Calendar</source>
        <translation>Calendario</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>The server said: %1</source>
        <translation>Respuesta del servidor: %1</translation>
    </message>
</context>
<context>
    <name>ReconciliationHistoryScreen</name>
    <message>
        <source>Reconciliation History</source>
        <translation>Historial de conciliaciones</translation>
    </message>
    <message>
        <source>No reconciliations yet. Reconcile your account from the register to see the history here.</source>
        <translation>Todavía no hay conciliaciones. Concilie la cuenta desde sus movimientos para ver aquí el historial.</translation>
    </message>
    <message>
        <source>Past reconciliations for this account.</source>
        <translation>Conciliaciones anteriores de esta cuenta.</translation>
    </message>
    <message>
        <source>Statement Date</source>
        <translation>Fecha del extracto</translation>
    </message>
    <message>
        <source>Statement Balance</source>
        <translation>Saldo del extracto</translation>
    </message>
    <message>
        <source>Reconciled Balance</source>
        <translation>Saldo conciliado</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Completada</translation>
    </message>
    <message>
        <source>Past reconciliations</source>
        <translation>Conciliaciones anteriores</translation>
    </message>
    <message>
        <source>No reconciliations</source>
        <translation>Sin conciliaciones</translation>
    </message>
    <message>
        <source>Reconciliation History — %1</source>
        <translation>Historial de conciliaciones — %1</translation>
    </message>
</context>
<context>
    <name>ReconciliationModel</name>
    <message>
        <source>Ticked</source>
        <translation>Marcado</translation>
    </message>
    <message>
        <source>Not ticked</source>
        <translation>Sin marcar</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Beneficiario</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>Est.</translation>
    </message>
</context>
<context>
    <name>ReconciliationScreen</name>
    <message>
        <source>Finish Reconciliation</source>
        <translation>Terminar conciliación</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Add Transaction</source>
        <translation>Añadir movimiento</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Reconcile Account</source>
        <translation>Conciliar cuenta</translation>
    </message>
    <message>
        <source>Statement Date:</source>
        <translation>Fecha del extracto:</translation>
    </message>
    <message>
        <source>Statement date</source>
        <translation>Fecha del extracto</translation>
    </message>
    <message>
        <source>Statement Balance:</source>
        <translation>Saldo del extracto:</translation>
    </message>
    <message>
        <source>Statement balance</source>
        <translation>Saldo del extracto</translation>
    </message>
    <message>
        <source>Unreconciled transactions</source>
        <translation>Movimientos sin conciliar</translation>
    </message>
    <message>
        <source>Edit selected transaction (F2)</source>
        <translation>Editar el movimiento seleccionado (F2)</translation>
    </message>
    <message>
        <source>Edit transaction</source>
        <translation>Editar movimiento</translation>
    </message>
    <message>
        <source>Delete transaction</source>
        <translation>Eliminar movimiento</translation>
    </message>
    <message>
        <source>Space, C or R: tick the current row</source>
        <translation>Espacio, C o R: marcar la fila actual</translation>
    </message>
    <message>
        <source>Previous Balance</source>
        <translation>Saldo anterior</translation>
    </message>
    <message>
        <source>Previous balance</source>
        <translation>Saldo anterior</translation>
    </message>
    <message>
        <source>Cleared Deposits</source>
        <translation>Abonos punteados</translation>
    </message>
    <message>
        <source>Cleared deposits</source>
        <translation>Abonos punteados</translation>
    </message>
    <message>
        <source>Cleared Withdrawals</source>
        <translation>Cargos punteados</translation>
    </message>
    <message>
        <source>Cleared withdrawals</source>
        <translation>Cargos punteados</translation>
    </message>
    <message>
        <source>Cleared Balance</source>
        <translation>Saldo punteado</translation>
    </message>
    <message>
        <source>Cleared balance</source>
        <translation>Saldo punteado</translation>
    </message>
    <message>
        <source>Statement Balance</source>
        <translation>Saldo del extracto</translation>
    </message>
    <message>
        <source>Statement balance total</source>
        <translation>Total del saldo del extracto</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Diferencia</translation>
    </message>
    <message>
        <source>Cancel reconciliation</source>
        <translation>Cancelar la conciliación</translation>
    </message>
    <message>
        <source>Reconciliation Complete</source>
        <translation>Conciliación completada</translation>
    </message>
    <message>
        <source>Account reconciled successfully.</source>
        <translation>La cuenta se ha conciliado correctamente.</translation>
    </message>
    <message>
        <source>Transactions Changed</source>
        <translation>Movimientos modificados</translation>
    </message>
    <message numerus="yes">
        <source>%n ticked transaction(s) changed since the list was shown. The list now shows them as they are stored; check the difference and finish again.</source>
        <translation>
            <numerusform>%n movimiento marcado ha cambiado desde que se mostró la lista. La lista lo muestra ahora tal como está guardado; revise la diferencia y vuelva a terminar.</numerusform>
            <numerusform>%n movimientos marcados han cambiado desde que se mostró la lista. La lista los muestra ahora tal como están guardados; revise la diferencia y vuelva a terminar.</numerusform>
        </translation>
    </message>
    <message>
        <source>The stored transactions no longer add up to the statement balance (a ticked transaction was deleted or changed elsewhere). The list has been reloaded; check the difference and finish again.</source>
        <translation>Los movimientos guardados ya no suman el saldo del extracto (un movimiento marcado se eliminó o cambió en otro lugar). Se ha vuelto a cargar la lista; revise la diferencia y vuelva a terminar.</translation>
    </message>
    <message>
        <source>This account no longer exists.</source>
        <translation>Esta cuenta ya no existe.</translation>
    </message>
    <message>
        <source>Nothing was recorded.</source>
        <translation>No se ha registrado nada.</translation>
    </message>
    <message>
        <source>The reconciliation could not be saved.</source>
        <translation>No se pudo guardar la conciliación.</translation>
    </message>
    <message>
        <source>No transaction was marked reconciled and your ticks are kept; you can finish again.</source>
        <translation>Ningún movimiento se ha marcado como conciliado y sus marcas se conservan; puede volver a terminar.</translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation>Eliminar movimiento</translation>
    </message>
    <message>
        <source>Delete the transaction for %1?</source>
        <translation>¿Eliminar el movimiento de %1?</translation>
    </message>
    <message>
        <source>This transaction was already deleted elsewhere.</source>
        <translation>Este movimiento ya se había eliminado en otro lugar.</translation>
    </message>
    <message>
        <source>The transaction could not be deleted.</source>
        <translation>No se pudo eliminar el movimiento.</translation>
    </message>
    <message>
        <source>It is still in the account.</source>
        <translation>Sigue en la cuenta.</translation>
    </message>
    <message>
        <source>Add a transaction (%1)</source>
        <translation>Añadir un movimiento (%1)</translation>
    </message>
    <message>
        <source>Delete selected transaction (%1)</source>
        <translation>Eliminar el movimiento seleccionado (%1)</translation>
    </message>
</context>
<context>
    <name>ReconciliationService</name>
    <message>
        <source>Finish Reconciliation</source>
        <translation>Terminar conciliación</translation>
    </message>
</context>
<context>
    <name>ReconciliationWindows</name>
    <message>
        <source>Reconcile — %1</source>
        <translation>Conciliar — %1</translation>
    </message>
    <message>
        <source>Edit Transaction</source>
        <translation>Editar transacción</translation>
    </message>
    <message>
        <source>This transaction no longer exists.</source>
        <translation>Esta transacción ya no existe.</translation>
    </message>
    <message>
        <source>The account named after [Transfer] does not exist.</source>
        <translation>La cuenta indicada tras [Transfer] no existe.</translation>
    </message>
    <message>
        <source>A transfer needs another account.</source>
        <translation>Una transferencia necesita otra cuenta.</translation>
    </message>
    <message>
        <source>The transaction was deleted meanwhile.</source>
        <translation>La transacción se eliminó mientras tanto.</translation>
    </message>
    <message>
        <source>An existing transaction cannot become a transfer; delete it and enter the transfer as a new transaction.</source>
        <translation>Una transacción existente no puede convertirse en transferencia; elimínela e introduzca la transferencia como una transacción nueva.</translation>
    </message>
    <message>
        <source>The other side of the transfer is reconciled.</source>
        <translation>El otro lado de la transferencia está conciliado.</translation>
    </message>
    <message>
        <source>Nothing was stored.</source>
        <translation>No se guardó nada.</translation>
    </message>
    <message>
        <source>The transaction could not be saved.</source>
        <translation>No se pudo guardar la transacción.</translation>
    </message>
</context>
<context>
    <name>RecurringFormDialog</name>
    <message>
        <source>New Recurring Transaction</source>
        <translation>Nuevo movimiento recurrente</translation>
    </message>
    <message>
        <source>Edit Recurring Transaction</source>
        <translation>Editar movimiento recurrente</translation>
    </message>
    <message>
        <source>Memorize Transaction</source>
        <translation>Memorizar movimiento</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Cuenta</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Cuenta:</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Cargo</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Abono</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Beneficiario</translation>
    </message>
    <message>
        <source>Start typing to search payees...</source>
        <translation>Escriba para buscar beneficiarios...</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>Beneficiario:</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Importe:</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguna)</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Categoría:</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Concepto</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Opcional</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>Concepto:</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frecuencia</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Diaria</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Semanal</translation>
    </message>
    <message>
        <source>Bi-weekly</source>
        <translation>Cada dos semanas</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Mensual</translation>
    </message>
    <message>
        <source>Quarterly</source>
        <translation>Trimestral</translation>
    </message>
    <message>
        <source>Semi-annual</source>
        <translation>Semestral</translation>
    </message>
    <message>
        <source>Annual</source>
        <translation>Anual</translation>
    </message>
    <message>
        <source>Frequency:</source>
        <translation>Frecuencia:</translation>
    </message>
    <message>
        <source>Start date</source>
        <translation>Fecha de inicio</translation>
    </message>
    <message>
        <source>Start Date:</source>
        <translation>Fecha de inicio:</translation>
    </message>
    <message>
        <source>Next due date</source>
        <translation>Próximo vencimiento</translation>
    </message>
    <message>
        <source>The next occurrence to confirm or post</source>
        <translation>La próxima repetición que confirmar o registrar</translation>
    </message>
    <message>
        <source>Next Due:</source>
        <translation>Próximo vencimiento:</translation>
    </message>
    <message>
        <source>Has end date</source>
        <translation>Tiene fecha de fin</translation>
    </message>
    <message>
        <source>End date</source>
        <translation>Fecha de fin</translation>
    </message>
    <message>
        <source>End Date:</source>
        <translation>Fecha de fin:</translation>
    </message>
    <message>
        <source>Auto-post when due</source>
        <translation>Registrar automáticamente al vencer</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Activa</translation>
    </message>
    <message>
        <source>Form problem</source>
        <translation>Problema en el formulario</translation>
    </message>
    <message>
        <source>Choose an account; create one first if there is none.</source>
        <translation>Elija una cuenta; si no hay ninguna, cree una primero.</translation>
    </message>
    <message>
        <source>Payee is required.</source>
        <translation>Indique un beneficiario.</translation>
    </message>
    <message>
        <source>A transfer cannot go to the account it comes from.</source>
        <translation>Un traspaso no puede ir a la misma cuenta de la que sale.</translation>
    </message>
    <message>
        <source>The next due date must be after %1, the date of the memorized transaction.</source>
        <translation>El próximo vencimiento debe ser posterior al %1, la fecha del movimiento memorizado.</translation>
    </message>
    <message>
        <source>The next due date must be after %1: the occurrences up to then were posted already.</source>
        <translation>El próximo vencimiento debe ser posterior al %1: las repeticiones hasta esa fecha ya se registraron.</translation>
    </message>
    <message>
        <source>The end date is before the next due date, so nothing would ever be posted.</source>
        <translation>La fecha de fin es anterior al próximo vencimiento, así que nunca se registraría nada.</translation>
    </message>
</context>
<context>
    <name>RecurringModel</name>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Activa</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Inactiva</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Cuenta</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Beneficiario</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frecuencia</translation>
    </message>
    <message>
        <source>Next Due</source>
        <translation>Próximo vencimiento</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Diaria</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Semanal</translation>
    </message>
    <message>
        <source>Bi-weekly</source>
        <translation>Cada dos semanas</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Mensual</translation>
    </message>
    <message>
        <source>Quarterly</source>
        <translation>Trimestral</translation>
    </message>
    <message>
        <source>Semi-annual</source>
        <translation>Semestral</translation>
    </message>
    <message>
        <source>Annual</source>
        <translation>Anual</translation>
    </message>
</context>
<context>
    <name>RecurringScreen</name>
    <message>
        <source>Confirm All Due</source>
        <translation>Confirmar todos los vencidos</translation>
    </message>
    <message>
        <source>New Recurring</source>
        <translation>Nuevo recurrente</translation>
    </message>
    <message>
        <source>Recurring Transactions</source>
        <translation>Movimientos recurrentes</translation>
    </message>
    <message>
        <source>Due recurring transactions</source>
        <translation>Movimientos recurrentes vencidos</translation>
    </message>
    <message>
        <source>Recurring transactions</source>
        <translation>Movimientos recurrentes</translation>
    </message>
    <message>
        <source>(%1 due)</source>
        <translation>(%1 vencidos)</translation>
    </message>
    <message>
        <source>This recurring transaction was deleted meanwhile.</source>
        <translation>Este movimiento recurrente se ha eliminado entretanto.</translation>
    </message>
    <message>
        <source>Nothing was changed.</source>
        <translation>No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>This recurring transaction was changed meanwhile, perhaps in another window or by a sync.</source>
        <translation>Este movimiento recurrente ha cambiado entretanto, quizá en otra ventana o por una sincronización.</translation>
    </message>
    <message>
        <source>Nothing was changed; the list now shows it as it is stored.</source>
        <translation>No se ha cambiado nada; la lista lo muestra ahora tal como está guardado.</translation>
    </message>
    <message numerus="yes">
        <source>%n due recurring transaction(s) could not be posted.</source>
        <translation>
            <numerusform>No se pudo registrar %n movimiento recurrente vencido.</numerusform>
            <numerusform>No se pudieron registrar %n movimientos recurrentes vencidos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Those rules were left as they were; the others were posted.</source>
        <translation>Esos movimientos se han dejado como estaban; los demás se han registrado.</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be posted. The occurrence may have been posted already, or its date or account is no longer valid.</source>
        <translation>No se pudo registrar «%1». Puede que esa repetición ya se haya registrado o que su fecha o su cuenta ya no sean válidas.</translation>
    </message>
    <message>
        <source>Nothing was posted and the rule was not advanced.</source>
        <translation>No se ha registrado nada y el vencimiento no ha avanzado.</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Omitir</translation>
    </message>
    <message>
        <source>The occurrence of &quot;%1&quot; could not be skipped.</source>
        <translation>No se pudo omitir la repetición de «%1».</translation>
    </message>
    <message>
        <source>The rule keeps its next due date.</source>
        <translation>Se mantiene su próximo vencimiento.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Delete recurring &quot;%1&quot;?</source>
        <translation>¿Eliminar el recurrente «%1»?</translation>
    </message>
    <message>
        <source>The recurring transaction &quot;%1&quot; could not be deleted.</source>
        <translation>No se pudo eliminar el movimiento recurrente «%1».</translation>
    </message>
    <message>
        <source>It is still in the list.</source>
        <translation>Sigue en la lista.</translation>
    </message>
    <message>
        <source>The recurring transaction could not be saved.</source>
        <translation>No se pudo guardar el movimiento recurrente.</translation>
    </message>
    <message>
        <source>Nothing was added.</source>
        <translation>No se ha añadido nada.</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>This recurring transaction was changed or deleted while the form was open.</source>
        <translation>Este movimiento recurrente se modificó o eliminó mientras el formulario estaba abierto.</translation>
    </message>
    <message>
        <source>Your changes were not saved; the list now shows it as it is stored.</source>
        <translation>Sus cambios no se han guardado; la lista lo muestra ahora tal como está guardado.</translation>
    </message>
    <message>
        <source>The changes could not be saved.</source>
        <translation>No se pudieron guardar los cambios.</translation>
    </message>
    <message>
        <source>The recurring transaction keeps its previous details.</source>
        <translation>El movimiento recurrente conserva sus datos anteriores.</translation>
    </message>
    <message>
        <source>Recurring transaction actions</source>
        <translation>Acciones del movimiento recurrente</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Confirm</source>
        <translation>&amp;Confirmar</translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation>&amp;Omitir</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;liminar</translation>
    </message>
    <message>
        <source>No recurring transactions yet. Create one with New Recurring, or select a row in a register and press %1 to memorize it.</source>
        <translation>Todavía no hay movimientos recurrentes. Cree uno con Nuevo recurrente, o seleccione una fila de los movimientos de una cuenta y pulse %1 para memorizarla.</translation>
    </message>
</context>
<context>
    <name>RecurringService</name>
    <message>
        <source>Skip Recurring Transaction</source>
        <translation>Omitir movimiento recurrente</translation>
    </message>
    <message>
        <source>Confirm Recurring Transaction</source>
        <translation>Confirmar movimiento recurrente</translation>
    </message>
    <message>
        <source>Confirm Due Recurring Transactions</source>
        <translation>Confirmar movimientos recurrentes pendientes</translation>
    </message>
</context>
<context>
    <name>RegisterEntry</name>
    <message>
        <source>Payee is required</source>
        <translation>Indique un beneficiario</translation>
    </message>
    <message>
        <source>Enter a payment or deposit amount</source>
        <translation>Indique un importe de cargo o de abono</translation>
    </message>
    <message>
        <source>Cannot read the amount &quot;%1&quot;; type it like %2</source>
        <translation>No se puede leer el importe «%1»; escríbalo así: %2</translation>
    </message>
    <message>
        <source>No category &quot;%1&quot;; choose one from the list</source>
        <translation>No hay ninguna categoría «%1»; elija una de la lista</translation>
    </message>
    <message>
        <source>Transfer account not found</source>
        <translation>No se encuentra la cuenta del traspaso</translation>
    </message>
    <message>
        <source>A transfer needs another account</source>
        <translation>Un traspaso necesita otra cuenta</translation>
    </message>
    <message>
        <source>This transaction no longer exists</source>
        <translation>Este movimiento ya no existe</translation>
    </message>
    <message>
        <source>An existing transaction cannot become a transfer; delete it and enter the transfer as a new transaction</source>
        <translation>Un movimiento existente no puede convertirse en traspaso; elimínelo e introduzca el traspaso como movimiento nuevo</translation>
    </message>
    <message>
        <source>Not saved: the other side of the transfer is reconciled</source>
        <translation>No se guardó: el otro lado de la transferencia está conciliado</translation>
    </message>
    <message>
        <source>Could not save the transaction</source>
        <translation>No se pudo guardar el movimiento</translation>
    </message>
</context>
<context>
    <name>RegisterKeyboard</name>
    <message>
        <source>No category &quot;%1&quot;; choose one from the list</source>
        <translation>No hay ninguna categoría «%1»; elija una de la lista</translation>
    </message>
    <message>
        <source>Press Escape again to discard the row</source>
        <translation>Pulse Escape otra vez para descartar la fila</translation>
    </message>
    <message>
        <source>Row discarded</source>
        <translation>Fila descartada</translation>
    </message>
</context>
<context>
    <name>RegisterModel</name>
    <message>
        <source>(split)</source>
        <translation>(desglosado)</translation>
    </message>
    <message>
        <source>The opening balance is the account&apos;s starting balance; change it with Account &gt; Edit.</source>
        <translation>El saldo de apertura es el saldo inicial de la cuenta; cámbielo en Cuenta &gt; Editar.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Chk #</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>Payee / Memo</source>
        <translation>Beneficiario / Concepto</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Beneficiario</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Concepto</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Cargo</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Abono</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>Est.</translation>
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
        <translation>Movimiento guardado</translation>
    </message>
    <message>
        <source>The opening balance comes from the account&apos;s starting balance; it cannot be memorized.</source>
        <translation>El saldo de apertura procede del saldo inicial de la cuenta; no se puede memorizar.</translation>
    </message>
    <message>
        <source>Cannot memorize: source transaction has an invalid date</source>
        <translation>No se puede memorizar: el movimiento de origen tiene una fecha no válida</translation>
    </message>
    <message>
        <source>Could not memorize the transaction</source>
        <translation>No se pudo memorizar el movimiento</translation>
    </message>
    <message>
        <source>Transaction memorized as recurring</source>
        <translation>Movimiento memorizado como recurrente</translation>
    </message>
    <message>
        <source>Could not save the split</source>
        <translation>No se pudo guardar el desglose</translation>
    </message>
    <message>
        <source>Split saved</source>
        <translation>Desglose guardado</translation>
    </message>
    <message>
        <source>The opening balance comes from the account&apos;s starting balance; change it with Account &gt; Edit.</source>
        <translation>El saldo de apertura procede del saldo inicial de la cuenta; cámbielo en Cuenta &gt; Editar.</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot; for %2?</source>
        <translation>¿Eliminar «%1» por %2?</translation>
    </message>
    <message>
        <source>Delete transfer &quot;%1&quot; for %2?

Both sides of the transfer will be deleted.</source>
        <translation>¿Eliminar el traspaso «%1» por %2?

Se eliminarán los dos lados del traspaso.</translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation>Eliminar movimiento</translation>
    </message>
    <message>
        <source>Could not delete the transaction</source>
        <translation>No se pudo eliminar el movimiento</translation>
    </message>
    <message>
        <source>&amp;Insert New (%1)</source>
        <translation>&amp;Insertar nuevo (%1)</translation>
    </message>
    <message>
        <source>&amp;New Transaction... (%1)</source>
        <translation>&amp;Nuevo movimiento... (%1)</translation>
    </message>
    <message>
        <source>Mark &amp;Uncleared</source>
        <translation>Marcar como no p&amp;unteado</translation>
    </message>
    <message>
        <source>Mark &amp;Cleared</source>
        <translation>Marcar como &amp;punteado</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>Edi&amp;tar...</translation>
    </message>
    <message>
        <source>S&amp;plit...</source>
        <translation>&amp;Desglosar...</translation>
    </message>
    <message>
        <source>&amp;Delete (%1)</source>
        <translation>&amp;Eliminar (%1)</translation>
    </message>
    <message>
        <source>Create &amp;Rule from This Payee...</source>
        <translation>Crear &amp;regla a partir de este beneficiario...</translation>
    </message>
</context>
<context>
    <name>RegisterSaveFlow</name>
    <message>
        <source>Reconciled Transfer</source>
        <translation>Transferencia conciliada</translation>
    </message>
    <message>
        <source>The other side of this transfer, in &quot;%1&quot;, is reconciled.

Change it there too?</source>
        <translation>El otro lado de esta transferencia, en «%1», está conciliado.

¿Cambiarlo también allí?</translation>
    </message>
    <message>
        <source>Split No Longer Adds Up</source>
        <translation>El desglose ya no cuadra</translation>
    </message>
    <message>
        <source>This transaction is split, and its amount changed. Split the new amount again?</source>
        <translation>Este movimiento está desglosado y su importe ha cambiado. ¿Desglosar de nuevo el importe nuevo?</translation>
    </message>
    <message>
        <source>Split Again</source>
        <translation>Desglosar de nuevo</translation>
    </message>
    <message>
        <source>Remove Split</source>
        <translation>Quitar desglose</translation>
    </message>
    <message>
        <source>Not saved: the split still needs dividing</source>
        <translation>No guardado: falta repartir el desglose</translation>
    </message>
</context>
<context>
    <name>RegisterScreen</name>
    <message>
        <source>Reconcile</source>
        <translation>Conciliar</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Movimientos</translation>
    </message>
    <message>
        <source>Ending balance</source>
        <translation>Saldo final</translation>
    </message>
    <message>
        <source>Transactions</source>
        <translation>Movimientos</translation>
    </message>
    <message>
        <source>Register message</source>
        <translation>Aviso de los movimientos</translation>
    </message>
    <message>
        <source>Unsaved Transaction</source>
        <translation>Movimiento sin guardar</translation>
    </message>
    <message>
        <source>Save the transaction you were typing?</source>
        <translation>¿Guardar el movimiento que estaba escribiendo?</translation>
    </message>
    <message>
        <source>The opening balance comes from the account&apos;s starting balance; change it with Account &gt; Edit.</source>
        <translation>El saldo de apertura procede del saldo inicial de la cuenta; cámbielo en Cuenta &gt; Editar.</translation>
    </message>
    <message>
        <source>Transaction saved</source>
        <translation>Movimiento guardado</translation>
    </message>
    <message>
        <source>Fields cleared</source>
        <translation>Campos vaciados</translation>
    </message>
    <message>
        <source>Reconcile account</source>
        <translation>Conciliar la cuenta</translation>
    </message>
    <message>
        <source>%1: save  |  Enter: next  |  %2: delete  |  %3: memorize  |  &apos;: copy above</source>
        <translation>%1: guardar  |  Enter: siguiente  |  %2: eliminar  |  %3: memorizar  |  &apos;: copiar de arriba</translation>
    </message>
</context>
<context>
    <name>ReportCharts</name>
    <message numerus="yes">
        <source>%n other categories</source>
        <translation>
            <numerusform>%n categoría más</numerusform>
            <numerusform>%n categorías más</numerusform>
        </translation>
    </message>
    <message>
        <source>Spent</source>
        <translation>Gastado</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Ingresos</translation>
    </message>
    <message>
        <source>Expenses</source>
        <translation>Gastos</translation>
    </message>
    <message>
        <source>Net</source>
        <translation>Neto</translation>
    </message>
    <message>
        <source>Budget and carried in</source>
        <translation>Presupuesto y arrastrado</translation>
    </message>
</context>
<context>
    <name>ReportColumns</name>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Beneficiario</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Cantidad</translation>
    </message>
    <message>
        <source>Tax Code</source>
        <translation>Código fiscal</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mes</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Ingresos</translation>
    </message>
    <message>
        <source>Expenses</source>
        <translation>Gastos</translation>
    </message>
    <message>
        <source>Net</source>
        <translation>Neto</translation>
    </message>
    <message>
        <source>Period 1</source>
        <translation>Periodo 1</translation>
    </message>
    <message>
        <source>Period 2</source>
        <translation>Periodo 2</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Diferencia</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Cuenta</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Punteado</translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation>No punteado</translation>
    </message>
    <message>
        <source>Budget</source>
        <translation>Presupuesto</translation>
    </message>
    <message>
        <source>Carried In</source>
        <translation>Arrastrado</translation>
    </message>
    <message>
        <source>Spent</source>
        <translation>Gastado</translation>
    </message>
    <message>
        <source>Remaining</source>
        <translation>Restante</translation>
    </message>
</context>
<context>
    <name>ReportExport</name>
    <message>
        <source>Export CSV</source>
        <translation>Exportar CSV</translation>
    </message>
    <message>
        <source>There is nothing to export: this report has no rows for the chosen account and period.</source>
        <translation>No hay nada que exportar: este informe no tiene filas para la cuenta y el periodo elegidos.</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>The report could not be saved to %1: %2</source>
        <translation>No se pudo guardar el informe en %1: %2</translation>
    </message>
    <message>
        <source>No file was written; a file already there is unchanged.</source>
        <translation>No se ha escrito ningún archivo; si ya había uno, no ha cambiado.</translation>
    </message>
</context>
<context>
    <name>ReportFiller</name>
    <message>
        <source>Currency</source>
        <translation>Moneda</translation>
    </message>
    <message>
        <source>Period 1</source>
        <translation>Periodo 1</translation>
    </message>
    <message>
        <source>Period 2</source>
        <translation>Periodo 2</translation>
    </message>
    <message>
        <source>Budgets of %1</source>
        <translation>Presupuestos de %1</translation>
    </message>
    <message>
        <source>Budgets of the whole months %1 – %2</source>
        <translation>Presupuestos de los meses completos %1 – %2</translation>
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
        <translation>Este mes</translation>
    </message>
    <message>
        <source>Last Month</source>
        <translation>Mes pasado</translation>
    </message>
    <message>
        <source>This Quarter</source>
        <translation>Este trimestre</translation>
    </message>
    <message>
        <source>Last Quarter</source>
        <translation>Trimestre pasado</translation>
    </message>
    <message>
        <source>This Year</source>
        <translation>Este año</translation>
    </message>
    <message>
        <source>Last Year</source>
        <translation>Año pasado</translation>
    </message>
    <message>
        <source>Last 30 Days</source>
        <translation>Últimos 30 días</translation>
    </message>
    <message>
        <source>Last 90 Days</source>
        <translation>Últimos 90 días</translation>
    </message>
    <message>
        <source>Last 12 Months</source>
        <translation>Últimos 12 meses</translation>
    </message>
    <message>
        <source>All Time</source>
        <translation>Todo el periodo</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source>This Year vs Last Year</source>
        <translation>Este año frente al pasado</translation>
    </message>
    <message>
        <source>Last Year vs Year Before</source>
        <translation>Año pasado frente al anterior</translation>
    </message>
    <message>
        <source>This Quarter vs Last Quarter</source>
        <translation>Este trimestre frente al pasado</translation>
    </message>
</context>
<context>
    <name>ReportService</name>
    <message>
        <source>Uncategorized</source>
        <translation>Sin categoría</translation>
    </message>
</context>
<context>
    <name>ReportsScreen</name>
    <message>
        <source>Reports</source>
        <translation>Informes</translation>
    </message>
    <message>
        <source>Report problem</source>
        <translation>Problema del informe</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Informe</translation>
    </message>
    <message>
        <source>Category Spending</source>
        <translation>Gastos por categoría</translation>
    </message>
    <message>
        <source>Payee Summary</source>
        <translation>Beneficiarios</translation>
    </message>
    <message>
        <source>Tax Report</source>
        <translation>Impuestos</translation>
    </message>
    <message>
        <source>Cash Flow</source>
        <translation>Flujo de caja</translation>
    </message>
    <message>
        <source>Year-over-Year</source>
        <translation>Interanual</translation>
    </message>
    <message>
        <source>Account Summary</source>
        <translation>Cuentas</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Cuenta</translation>
    </message>
    <message>
        <source>%1 chart</source>
        <translation>Gráfico de %1</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Cuenta:</translation>
    </message>
    <message>
        <source>Period:</source>
        <translation>Periodo:</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Periodo</translation>
    </message>
    <message>
        <source>Period dates</source>
        <translation>Fechas del periodo</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Desde</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Hasta</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exportar CSV</translation>
    </message>
    <message>
        <source>Compare:</source>
        <translation>Comparar:</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Comparar</translation>
    </message>
    <message>
        <source>Compared periods</source>
        <translation>Periodos comparados</translation>
    </message>
    <message>
        <source>Period 1 from</source>
        <translation>Periodo 1 desde</translation>
    </message>
    <message>
        <source>Period 1 to</source>
        <translation>Periodo 1 hasta</translation>
    </message>
    <message>
        <source>Period 2 from</source>
        <translation>Periodo 2 desde</translation>
    </message>
    <message>
        <source>Period 2 to</source>
        <translation>Periodo 2 hasta</translation>
    </message>
    <message>
        <source>P1:</source>
        <translation>P1:</translation>
    </message>
    <message>
        <source>P2:</source>
        <translation>P2:</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>P1: %1 – %2    P2: %3 – %4</source>
        <translation>P1: %1 – %2    P2: %3 – %4</translation>
    </message>
    <message>
        <source>All Accounts</source>
        <translation>Todas las cuentas</translation>
    </message>
    <message>
        <source>This report could not be read, so the table may be incomplete.</source>
        <translation>No se pudo leer este informe, así que la tabla puede estar incompleta.</translation>
    </message>
    <message>
        <source>Budget</source>
        <translation>Presupuesto</translation>
    </message>
    <message>
        <source>Budgeted months</source>
        <translation>Meses presupuestados</translation>
    </message>
</context>
<context>
    <name>RuleFormDialog</name>
    <message>
        <source>Edit Rule</source>
        <translation>Editar regla</translation>
    </message>
    <message>
        <source>New Rule</source>
        <translation>Nueva regla</translation>
    </message>
    <message>
        <source>How the payee is compared</source>
        <translation>Cómo se compara el beneficiario</translation>
    </message>
    <message>
        <source>Payee contains</source>
        <translation>El beneficiario contiene</translation>
    </message>
    <message>
        <source>Payee is</source>
        <translation>El beneficiario es</translation>
    </message>
    <message>
        <source>Payee starts with</source>
        <translation>El beneficiario empieza por</translation>
    </message>
    <message>
        <source>&amp;Match:</source>
        <translation>&amp;Coincidencia:</translation>
    </message>
    <message>
        <source>&amp;Text:</source>
        <translation>&amp;Texto:</translation>
    </message>
    <message>
        <source>Payee text</source>
        <translation>Texto del beneficiario</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Cuenta</translation>
    </message>
    <message>
        <source>(any account)</source>
        <translation>(cualquier cuenta)</translation>
    </message>
    <message>
        <source>&amp;Account:</source>
        <translation>C&amp;uenta:</translation>
    </message>
    <message>
        <source>Amount &amp;from:</source>
        <translation>Importe &amp;desde:</translation>
    </message>
    <message>
        <source>Smallest amount</source>
        <translation>Importe mínimo</translation>
    </message>
    <message>
        <source>Amount t&amp;o:</source>
        <translation>Importe &amp;hasta:</translation>
    </message>
    <message>
        <source>Largest amount</source>
        <translation>Importe máximo</translation>
    </message>
    <message>
        <source>any</source>
        <translation>cualquiera</translation>
    </message>
    <message>
        <source>Show &amp;payee as:</source>
        <translation>Mostrar &amp;beneficiario como:</translation>
    </message>
    <message>
        <source>Payee to show</source>
        <translation>Beneficiario que se muestra</translation>
    </message>
    <message>
        <source>Category to set</source>
        <translation>Categoría que se asigna</translation>
    </message>
    <message>
        <source>(leave as it is)</source>
        <translation>(dejar como está)</translation>
    </message>
    <message>
        <source>Set &amp;category:</source>
        <translation>Asignar &amp;categoría:</translation>
    </message>
    <message>
        <source>Set m&amp;emo:</source>
        <translation>Asignar &amp;nota:</translation>
    </message>
    <message>
        <source>Memo to set</source>
        <translation>Nota que se asigna</translation>
    </message>
    <message>
        <source>Enter the payee text the rule looks for.</source>
        <translation>Escriba el texto del beneficiario que busca la regla.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an amount.</source>
        <translation>«%1» no es un importe.</translation>
    </message>
    <message>
        <source>The smallest amount is larger than the largest.</source>
        <translation>El importe mínimo es mayor que el máximo.</translation>
    </message>
    <message>
        <source>Choose what the rule sets: a payee, a category or a memo.</source>
        <translation>Elija qué asigna la regla: un beneficiario, una categoría o una nota.</translation>
    </message>
</context>
<context>
    <name>RulesScreen</name>
    <message>
        <source>Import Rules</source>
        <translation>Reglas de importación</translation>
    </message>
    <message>
        <source>Rules rename payees and set categories and memos as transactions are imported. They are tried from the top; for each of payee, category and memo the first matching rule that sets it wins.</source>
        <translation>Las reglas cambian el nombre de los beneficiarios y asignan categorías y notas al importar movimientos. Se prueban de arriba abajo; para el beneficiario, la categoría y la nota gana la primera regla coincidente que lo asigna.</translation>
    </message>
    <message>
        <source>Import rules</source>
        <translation>Reglas de importación</translation>
    </message>
    <message>
        <source>When the payee</source>
        <translation>Si el beneficiario</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Cuenta</translation>
    </message>
    <message>
        <source>Show payee as</source>
        <translation>Mostrar beneficiario como</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Añadir...</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Editar...</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>S&amp;ubir</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>&amp;Bajar</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation>E&amp;liminar</translation>
    </message>
    <message>
        <source>is &quot;%1&quot;</source>
        <translation>es «%1»</translation>
    </message>
    <message>
        <source>starts with &quot;%1&quot;</source>
        <translation>empieza por «%1»</translation>
    </message>
    <message>
        <source>contains &quot;%1&quot;</source>
        <translation>contiene «%1»</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>any</source>
        <translation>cualquiera</translation>
    </message>
    <message>
        <source>any account</source>
        <translation>cualquier cuenta</translation>
    </message>
    <message>
        <source>Delete Rule</source>
        <translation>Eliminar regla</translation>
    </message>
    <message>
        <source>Delete the rule for &quot;%1&quot;?</source>
        <translation>¿Eliminar la regla de «%1»?</translation>
    </message>
</context>
<context>
    <name>SampleDataService</name>
    <message>
        <source>Main Checking</source>
        <translation>Cuenta nómina</translation>
    </message>
    <message>
        <source>Riverbend Credit Union</source>
        <translation>Caja Rural del Río</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Ahorro</translation>
    </message>
    <message>
        <source>Visa Rewards</source>
        <translation>Visa Puntos</translation>
    </message>
    <message>
        <source>Summit Bank</source>
        <translation>Banco Cumbre</translation>
    </message>
    <message>
        <source>Brightpath Inc</source>
        <translation>Senda Clara S.L.</translation>
    </message>
    <message>
        <source>Biweekly paycheck</source>
        <translation>Nómina quincenal</translation>
    </message>
    <message>
        <source>Pinecrest Apartments</source>
        <translation>Residencial Pinos</translation>
    </message>
    <message>
        <source>February rent</source>
        <translation>Alquiler de febrero</translation>
    </message>
    <message>
        <source>Greenleaf Market</source>
        <translation>Mercado Hoja Verde</translation>
    </message>
    <message>
        <source>Weekly groceries</source>
        <translation>Compra semanal</translation>
    </message>
    <message>
        <source>Streamly</source>
        <translation>Streamly</translation>
    </message>
    <message>
        <source>Monthly subscription</source>
        <translation>Suscripción mensual</translation>
    </message>
    <message>
        <source>Lakeside Utilities</source>
        <translation>Eléctrica del Lago</translation>
    </message>
    <message>
        <source>Electric bill</source>
        <translation>Factura de la luz</translation>
    </message>
    <message>
        <source>QuickFuel</source>
        <translation>QuickFuel</translation>
    </message>
    <message>
        <source>Fuel</source>
        <translation>Gasolina</translation>
    </message>
    <message>
        <source>Fiberlink</source>
        <translation>Fiberlink</translation>
    </message>
    <message>
        <source>Internet service</source>
        <translation>Fibra e internet</translation>
    </message>
    <message>
        <source>Corner Bistro</source>
        <translation>Bistró de la Esquina</translation>
    </message>
    <message>
        <source>Dinner</source>
        <translation>Cena</translation>
    </message>
    <message>
        <source>Shieldline Insurance</source>
        <translation>Seguros Escudo</translation>
    </message>
    <message>
        <source>Auto insurance premium</source>
        <translation>Recibo del seguro del coche</translation>
    </message>
    <message>
        <source>Wellway Pharmacy</source>
        <translation>Farmacia Vitalia</translation>
    </message>
    <message>
        <source>Prescription</source>
        <translation>Receta</translation>
    </message>
    <message>
        <source>Hope Community Church</source>
        <translation>Parroquia Esperanza</translation>
    </message>
    <message>
        <source>Monthly donation</source>
        <translation>Donativo mensual</translation>
    </message>
    <message>
        <source>March rent</source>
        <translation>Alquiler de marzo</translation>
    </message>
    <message>
        <source>Lunch</source>
        <translation>Comida</translation>
    </message>
    <message>
        <source>Pharmacy</source>
        <translation>Farmacia</translation>
    </message>
    <message>
        <source>Interest payment</source>
        <translation>Abono de intereses</translation>
    </message>
    <message>
        <source>Dash Delivery</source>
        <translation>Dash Delivery</translation>
    </message>
    <message>
        <source>Food delivery</source>
        <translation>Comida a domicilio</translation>
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
        <translation>Mundo Gadget</translation>
    </message>
    <message>
        <source>USB-C charger</source>
        <translation>Cargador USB-C</translation>
    </message>
    <message>
        <source>CloudWatch Plus</source>
        <translation>CloudWatch Plus</translation>
    </message>
    <message>
        <source>Cloud storage</source>
        <translation>Almacenamiento en la nube</translation>
    </message>
    <message>
        <source>Payment - Thank You</source>
        <translation>Pago recibido, gracias</translation>
    </message>
    <message>
        <source>Credit card payment</source>
        <translation>Pago de la tarjeta</translation>
    </message>
    <message>
        <source>TechVault</source>
        <translation>TechVault</translation>
    </message>
    <message>
        <source>Wireless headphones</source>
        <translation>Auriculares inalámbricos</translation>
    </message>
    <message>
        <source>BookNest Online</source>
        <translation>Librería Nido Online</translation>
    </message>
    <message>
        <source>Programming books</source>
        <translation>Libros de programación</translation>
    </message>
    <message>
        <source>Monthly rent</source>
        <translation>Alquiler mensual</translation>
    </message>
    <message>
        <source>Transfer to Savings</source>
        <translation>Traspaso a Ahorro</translation>
    </message>
    <message>
        <source>Monthly savings</source>
        <translation>Ahorro mensual</translation>
    </message>
    <message>
        <source>Transfer from Checking</source>
        <translation>Traspaso desde Cuenta nómina</translation>
    </message>
</context>
<context>
    <name>SearchResultsModel</name>
    <message>
        <source>Account</source>
        <translation>Cuenta</translation>
    </message>
</context>
<context>
    <name>SearchScreen</name>
    <message>
        <source>Date range:</source>
        <translation>Intervalo de fechas:</translation>
    </message>
    <message>
        <source>From date</source>
        <translation>Fecha inicial</translation>
    </message>
    <message>
        <source>To date</source>
        <translation>Fecha final</translation>
    </message>
    <message>
        <source>Cleared only</source>
        <translation>Solo punteados</translation>
    </message>
    <message>
        <source>Search Transactions</source>
        <translation>Buscar movimientos</translation>
    </message>
    <message>
        <source>Search payee, memo, check number...</source>
        <translation>Buscar beneficiario, concepto, n.º de cheque...</translation>
    </message>
    <message>
        <source>Search text</source>
        <translation>Texto de búsqueda</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Cuenta:</translation>
    </message>
    <message>
        <source>Account filter</source>
        <translation>Filtro de cuenta</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Categoría:</translation>
    </message>
    <message>
        <source>Category filter</source>
        <translation>Filtro de categoría</translation>
    </message>
    <message>
        <source>Date range</source>
        <translation>Intervalo de fechas</translation>
    </message>
    <message>
        <source>to</source>
        <translation>a</translation>
    </message>
    <message>
        <source>Search results</source>
        <translation>Resultados de la búsqueda</translation>
    </message>
    <message>
        <source>All Accounts</source>
        <translation>Todas las cuentas</translation>
    </message>
    <message>
        <source>All Categories</source>
        <translation>Todas las categorías</translation>
    </message>
</context>
<context>
    <name>SettingsAboutPage</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Tindral Quillon</source>
        <translation>Tindral Quillon</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>A digital quillon register for tracking household finances: accounts, transfers, recurring entries, reconciliation, reports and backups, kept in one file on this computer and synchronised between your devices when you sign in.</source>
        <translation>Un libro de cuentas digital para llevar las finanzas del hogar: cuentas, traspasos, movimientos recurrentes, conciliación, informes y copias de seguridad, guardados en un solo archivo en este ordenador y sincronizados entre sus dispositivos cuando inicia sesión.</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;https://tindral.example/quillon&quot;&gt;Website&lt;/a&gt; · &lt;a href=&quot;https://tindral.example/quillon/help&quot;&gt;Help&lt;/a&gt; · &lt;a href=&quot;https://tindral.example/privacy&quot;&gt;Privacy&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;https://tindral.example/quillon&quot;&gt;Sitio web&lt;/a&gt; · &lt;a href=&quot;https://tindral.example/quillon/help&quot;&gt;Ayuda&lt;/a&gt; · &lt;a href=&quot;https://tindral.example/privacy&quot;&gt;Privacidad&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Enlaces</translation>
    </message>
    <message>
        <source>This application uses the Qt framework under the GNU LGPL version 3.</source>
        <translation>Esta aplicación utiliza el framework Qt bajo la licencia GNU LGPL versión 3.</translation>
    </message>
</context>
<context>
    <name>SettingsDataPage</name>
    <message>
        <source>Data &amp; Sync</source>
        <translation>Sincronización</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Sincronización</translation>
    </message>
    <message>
        <source>Keep your quillon in sync across all your devices.</source>
        <translation>Mantenga su libro de cuentas sincronizado en todos sus dispositivos.</translation>
    </message>
    <message>
        <source>Account status</source>
        <translation>Estado de la cuenta</translation>
    </message>
    <message>
        <source>Last synced</source>
        <translation>Última sincronización</translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation>Sincronizar ahora</translation>
    </message>
    <message>
        <source>Force Full Sync</source>
        <translation>Forzar sincronización completa</translation>
    </message>
    <message>
        <source>Backup &amp; Restore</source>
        <translation>Copia de seguridad y restauración</translation>
    </message>
    <message>
        <source>Save or restore your data to a portable backup file.</source>
        <translation>Guarde sus datos en un archivo de copia de seguridad portátil o restáurelos desde él.</translation>
    </message>
    <message>
        <source>Export Backup</source>
        <translation>Exportar copia</translation>
    </message>
    <message>
        <source>Import Backup</source>
        <translation>Importar copia</translation>
    </message>
    <message>
        <source>Deleted Accounts</source>
        <translation>Cuentas eliminadas</translation>
    </message>
    <message>
        <source>Accounts you&apos;ve deleted can be restored here.</source>
        <translation>Aquí puede restaurar las cuentas que haya eliminado.</translation>
    </message>
    <message>
        <source>Deleted accounts</source>
        <translation>Cuentas eliminadas</translation>
    </message>
    <message>
        <source>Restore Selected</source>
        <translation>Restaurar seleccionada</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Sincronizando...</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Dirección del servidor</translation>
    </message>
    <message>
        <source>Server address error</source>
        <translation>Error en la dirección del servidor</translation>
    </message>
    <message>
        <source>Set by the QUILLON_SERVER environment variable; change it there to use another server.</source>
        <translation>La establece la variable de entorno QUILLON_SERVER; cámbiela allí para usar otro servidor.</translation>
    </message>
    <message>
        <source>Leave empty for the standard service. A change takes effect the next time Tindral Quillon starts.</source>
        <translation>Déjela vacía para usar el servicio estándar. Un cambio se aplica la próxima vez que se inicie Tindral Quillon.</translation>
    </message>
    <message>
        <source>Enter an address starting with http:// or https://, such as https://quillon.example.org.</source>
        <translation>Introduzca una dirección que empiece por http:// o https://, como https://quillon.example.org.</translation>
    </message>
    <message>
        <source>Restore Account</source>
        <translation>Restaurar cuenta</translation>
    </message>
    <message>
        <source>The account could not be restored.</source>
        <translation>No se pudo restaurar la cuenta.</translation>
    </message>
    <message>
        <source>It stays in the list of deleted accounts; nothing was changed.</source>
        <translation>Sigue en la lista de cuentas eliminadas; no se ha cambiado nada.</translation>
    </message>
    <message>
        <source>Not signed in.
Sign in via File › Sign In to enable sync.</source>
        <translation>Sin iniciar sesión.
Inicie sesión en Archivo › Iniciar sesión para activar la sincronización.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Signed in as:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;Status:&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</source>
        <translation>&lt;b&gt;Sesión iniciada como:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;Estado:&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</translation>
    </message>
    <message>
        <source>Never synced</source>
        <translation>Nunca sincronizado</translation>
    </message>
    <message>
        <source>Last synced: %1</source>
        <translation>Última sincronización: %1</translation>
    </message>
    <message>
        <source>
Error: %1</source>
        <translation>
Error: %1</translation>
    </message>
    <message>
        <source>This will re-upload every local row to the server and re-download all server data. Use this if data appears out of sync between devices.

Continue?</source>
        <translation>Se volverán a subir al servidor todos los datos locales y se volverán a descargar todos los del servidor. Úselo si los datos no coinciden entre dispositivos.

¿Continuar?</translation>
    </message>
    <message>
        <source>The data could not be marked for upload.</source>
        <translation>No se pudieron marcar los datos para subirlos.</translation>
    </message>
    <message>
        <source>Nothing was changed; the next sync sends only what changed.</source>
        <translation>No se cambió nada; la próxima sincronización envía solo lo que cambió.</translation>
    </message>
    <message>
        <source>Exporting...</source>
        <translation>Exportando...</translation>
    </message>
    <message>
        <source>Importing...</source>
        <translation>Importando...</translation>
    </message>
</context>
<context>
    <name>SettingsGeneralPage</name>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Apariencia</translation>
    </message>
    <message>
        <source>Control how Tindral Quillon looks.</source>
        <translation>Elija el aspecto de Tindral Quillon.</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>Predeterminado del sistema</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Claro</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Oscuro</translation>
    </message>
    <message>
        <source>Regional</source>
        <translation>Configuración regional</translation>
    </message>
    <message>
        <source>Date and calendar preferences.</source>
        <translation>Preferencias de fecha y calendario.</translation>
    </message>
    <message>
        <source>Week starts on</source>
        <translation>La semana empieza el</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Domingo</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lunes</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Sábado</translation>
    </message>
    <message>
        <source>Date format</source>
        <translation>Formato de fecha</translation>
    </message>
    <message>
        <source>As the language writes it (%1)</source>
        <translation>Como se escribe en el idioma (%1)</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Language Changed</source>
        <translation>Idioma cambiado</translation>
    </message>
    <message>
        <source>The new language will take effect the next time you start Tindral Quillon.</source>
        <translation>El nuevo idioma se aplicará la próxima vez que inicie Tindral Quillon.</translation>
    </message>
</context>
<context>
    <name>SettingsRegisterPage</name>
    <message>
        <source>Register</source>
        <translation>Movimientos</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Visualización</translation>
    </message>
    <message>
        <source>How transactions appear in the register.</source>
        <translation>Cómo se muestran los movimientos en la lista.</translation>
    </message>
    <message>
        <source>Two-line rows</source>
        <translation>Filas de dos líneas</translation>
    </message>
    <message>
        <source>Show memo on a second line below the payee.</source>
        <translation>Muestra el concepto en una segunda línea bajo el beneficiario.</translation>
    </message>
    <message>
        <source>Sorting</source>
        <translation>Orden</translation>
    </message>
    <message>
        <source>Control the order of transactions in the register.</source>
        <translation>Elija el orden de los movimientos en la lista.</translation>
    </message>
    <message>
        <source>Show newest transactions first</source>
        <translation>Mostrar primero los movimientos más recientes</translation>
    </message>
    <message>
        <source>When enabled, the most recent transactions appear at the top.</source>
        <translation>Si se activa, los movimientos más recientes aparecen arriba.</translation>
    </message>
</context>
<context>
    <name>SettingsScreen</name>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>Preference pages</source>
        <translation>Páginas de preferencias</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Movimientos</translation>
    </message>
    <message>
        <source>Data &amp; Sync</source>
        <translation>Sincronización</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Preference page</source>
        <translation>Página de preferencias</translation>
    </message>
</context>
<context>
    <name>ShareMembersDialog</name>
    <message>
        <source>Group member</source>
        <translation>Miembro del grupo</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Compartir</translation>
    </message>
    <message>
        <source>Shared with</source>
        <translation>Compartida con</translation>
    </message>
    <message>
        <source>Remove Selected</source>
        <translation>Quitar seleccionados</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Cargando...</translation>
    </message>
    <message>
        <source>Not shared with anyone yet.</source>
        <translation>Todavía no se comparte con nadie.</translation>
    </message>
    <message>
        <source>All group members already added</source>
        <translation>Ya se han añadido todos los miembros del grupo</translation>
    </message>
    <message>
        <source>Sharing...</source>
        <translation>Compartiendo...</translation>
    </message>
    <message>
        <source>Could not share with %1.</source>
        <translation>No se pudo compartir con %1.</translation>
    </message>
    <message>
        <source>Remove Share</source>
        <translation>Dejar de compartir</translation>
    </message>
    <message>
        <source>Remove %1&apos;s access to this item?</source>
        <translation>¿Quitar a %1 el acceso a este elemento?</translation>
    </message>
    <message>
        <source>Could not remove share.</source>
        <translation>No se pudo dejar de compartir.</translation>
    </message>
    <message>
        <source>The list of people this is shared with could not be loaded. Close this window and open it again to retry.</source>
        <translation>No se pudo cargar la lista de personas con las que se comparte. Cierre esta ventana y ábrala de nuevo para reintentarlo.</translation>
    </message>
    <message>
        <source>The group members could not be loaded, so nobody can be added now. Close this window and open it again to retry.</source>
        <translation>No se pudieron cargar los miembros del grupo, así que ahora no se puede añadir a nadie. Cierre esta ventana y ábrala de nuevo para reintentarlo.</translation>
    </message>
</context>
<context>
    <name>SignInLinkDialog</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Iniciar sesión</translation>
    </message>
    <message>
        <source>Sign-in address</source>
        <translation>Dirección de inicio de sesión</translation>
    </message>
    <message>
        <source>Copy the sign-in address</source>
        <translation>Copiar la dirección de inicio de sesión</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Copiado</translation>
    </message>
    <message>
        <source>Your browser should now show the sign-in page. If it did not open, copy this address into a browser on this computer and sign in there; this program notices when you are done.</source>
        <translation>Su navegador debería mostrar ahora la página de inicio de sesión. Si no se abrió, copie esta dirección en un navegador de este ordenador e inicie sesión allí; este programa lo notará cuando termine.</translation>
    </message>
    <message>
        <source>No browser could be opened for signing in. Copy this address into a browser on this computer and sign in there; this program notices when you are done.</source>
        <translation>No se pudo abrir ningún navegador para iniciar sesión. Copie esta dirección en un navegador de este ordenador e inicie sesión allí; este programa lo notará cuando termine.</translation>
    </message>
</context>
<context>
    <name>SmartDateEdit</name>
    <message>
        <source>Open calendar (F4)</source>
        <translation>Abrir calendario (F4)</translation>
    </message>
    <message>
        <source>Open calendar</source>
        <translation>Abrir calendario</translation>
    </message>
</context>
<context>
    <name>SplitEditorDialog</name>
    <message>
        <source>Split Transaction</source>
        <translation>Desglosar movimiento</translation>
    </message>
    <message>
        <source>Divide %1 (%2) among categories.</source>
        <translation>Reparta %1 (%2) entre categorías.</translation>
    </message>
    <message>
        <source>The split is kept on this device and in backups; sync does not carry it to your other devices.</source>
        <translation>El desglose se guarda en este dispositivo y en las copias de seguridad; la sincronización no lo lleva a sus otros dispositivos.</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Concepto</translation>
    </message>
    <message>
        <source>&amp;Add Line</source>
        <translation>&amp;Añadir línea</translation>
    </message>
    <message>
        <source>&amp;Remove Line</source>
        <translation>&amp;Quitar línea</translation>
    </message>
    <message>
        <source>Remaining: %1</source>
        <translation>Pendiente: %1</translation>
    </message>
    <message>
        <source>(choose a category)</source>
        <translation>(elija una categoría)</translation>
    </message>
    <message>
        <source>Category of line %1</source>
        <translation>Categoría de la línea %1</translation>
    </message>
    <message>
        <source>Amount of line %1</source>
        <translation>Importe de la línea %1</translation>
    </message>
    <message>
        <source>Memo of line %1</source>
        <translation>Nota de la línea %1</translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>Offline</source>
        <translation>Sin conexión</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Barra de estado</translation>
    </message>
    <message>
        <source>Number of accounts</source>
        <translation>Número de cuentas</translation>
    </message>
    <message>
        <source>Recurring transactions due</source>
        <translation>Movimientos recurrentes pendientes</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>Ocupado</translation>
    </message>
    <message>
        <source>Sync status</source>
        <translation>Estado de la sincronización</translation>
    </message>
    <message>
        <source>Resize window</source>
        <translation>Cambiar tamaño de la ventana</translation>
    </message>
    <message numerus="yes">
        <source>%n account(s)</source>
        <translation>
            <numerusform>%n cuenta</numerusform>
            <numerusform>%n cuentas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>  •  %n recurring due</source>
        <translation>
            <numerusform>  •  %n recurrente pendiente</numerusform>
            <numerusform>  •  %n recurrentes pendientes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SyncEngine</name>
    <message>
        <source>Synced</source>
        <translation>Sincronizado</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Sincronizando...</translation>
    </message>
    <message>
        <source>Sync error</source>
        <translation>Error de sincronización</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Sin conexión</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconocido</translation>
    </message>
    <message>
        <source>These books are kept with another Tindral account. Sign in with the account they were synced with to sync them.</source>
        <translation>Estos datos pertenecen a otra cuenta de Tindral. Inicie sesión con la cuenta con la que se sincronizaban para sincronizarlos.</translation>
    </message>
</context>
<context>
    <name>TindUpdate</name>
    <message>
        <source>No release notes available for %1 %2</source>
        <translation>No hay notas de la versión para %1 %2</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Buscando actualizaciones…</translation>
    </message>
    <message>
        <source>%1 is up to date (version %2)</source>
        <translation>%1 está actualizado (versión %2)</translation>
    </message>
    <message>
        <source>Update check failed: %1</source>
        <translation>No se pudo buscar actualizaciones: %1</translation>
    </message>
    <message>
        <source>Loading release notes…</source>
        <translation>Cargando notas de la versión…</translation>
    </message>
</context>
<context>
    <name>TindUpdate::NotesBrowser</name>
    <message>
        <source>Release notes</source>
        <translation>Notas de la versión</translation>
    </message>
</context>
<context>
    <name>TindUpdate::UpdateDialog</name>
    <message>
        <source>Update available</source>
        <translation>Actualización disponible</translation>
    </message>
    <message>
        <source>A new version of %1 is available.</source>
        <translation>Hay una nueva versión de %1.</translation>
    </message>
    <message>
        <source>You have version %1. The latest version is %2.</source>
        <translation>Tiene la versión %1. La más reciente es la %2.</translation>
    </message>
    <message>
        <source>Loading release notes…</source>
        <translation>Cargando notas de la versión…</translation>
    </message>
    <message>
        <source>*Release notes are not available for this version.*</source>
        <translation>*No hay notas de la versión para esta versión.*</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Descargar</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Más tarde</translation>
    </message>
</context>
<context>
    <name>TindUpdate::WhatsNewDialog</name>
    <message>
        <source>What&apos;s New in %1 %2</source>
        <translation>Novedades de %1 %2</translation>
    </message>
    <message>
        <source>What&apos;s new in %1 %2</source>
        <translation>Novedades de %1 %2</translation>
    </message>
    <message>
        <source>You are running version %1</source>
        <translation>Está usando la versión %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Download %1</source>
        <translation>Descargar %1</translation>
    </message>
</context>
<context>
    <name>TransactionFormDialog</name>
    <message>
        <source>New Transaction</source>
        <translation>Nuevo movimiento</translation>
    </message>
    <message>
        <source>Edit Transaction</source>
        <translation>Editar movimiento</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Cargo</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Abono</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Fecha:</translation>
    </message>
    <message>
        <source>Start typing to search payees...</source>
        <translation>Escriba para buscar beneficiarios...</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Beneficiario</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>Beneficiario:</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Importe:</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguna)</translation>
    </message>
    <message>
        <source>Split…</source>
        <translation>Desglosar…</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Desglosar</translation>
    </message>
    <message>
        <source>Divide the amount among several categories</source>
        <translation>Repartir el importe entre varias categorías</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Categoría:</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Opcional</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Concepto</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>Concepto:</translation>
    </message>
    <message>
        <source>Check number</source>
        <translation>Número de cheque</translation>
    </message>
    <message>
        <source>Check #:</source>
        <translation>N.º de cheque:</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Punteado</translation>
    </message>
    <message>
        <source>Form message</source>
        <translation>Aviso del formulario</translation>
    </message>
    <message numerus="yes">
        <source>Split among %n categories</source>
        <translation>
            <numerusform>Desglosado en %n categoría</numerusform>
            <numerusform>Desglosado en %n categorías</numerusform>
        </translation>
    </message>
    <message>
        <source>Edit Split…</source>
        <translation>Editar desglose…</translation>
    </message>
    <message>
        <source>Edit split</source>
        <translation>Editar desglose</translation>
    </message>
    <message>
        <source>Enter the amount first, then split it.</source>
        <translation>Introduzca primero el importe y después desglóselo.</translation>
    </message>
    <message>
        <source>Payee is required</source>
        <translation>Indique un beneficiario</translation>
    </message>
    <message>
        <source>Split No Longer Adds Up</source>
        <translation>El desglose ya no cuadra</translation>
    </message>
    <message>
        <source>The amount changed, so the split no longer adds up to it. Split the new amount again?</source>
        <translation>El importe ha cambiado y el desglose ya no cuadra con él. ¿Desglosar de nuevo el importe nuevo?</translation>
    </message>
    <message>
        <source>Split Again</source>
        <translation>Desglosar de nuevo</translation>
    </message>
    <message>
        <source>Remove Split</source>
        <translation>Quitar desglose</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Cuenta</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Cuenta:</translation>
    </message>
</context>
<context>
    <name>UndoStack</name>
    <message>
        <source>The database could not be written.</source>
        <translation>No se pudo escribir en la base de datos.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be undone: its entries were changed since, on another device or in another program.</source>
        <translation>«%1» no se puede deshacer: sus registros se han cambiado desde entonces en otro dispositivo o en otro programa.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be redone: its entries were changed since, on another device or in another program.</source>
        <translation>«%1» no se puede rehacer: sus registros se han cambiado desde entonces en otro dispositivo o en otro programa.</translation>
    </message>
    <message>
        <source>The database could not be read.</source>
        <translation>No se pudo leer la base de datos.</translation>
    </message>
</context>
<context>
    <name>WelcomeScreen</name>
    <message>
        <source>Continue Without an Account</source>
        <translation>Continuar sin cuenta</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Bienvenida</translation>
    </message>
    <message>
        <source>Tindral Quillon</source>
        <translation>Tindral Quillon</translation>
    </message>
    <message>
        <source>Your finances, everywhere.</source>
        <translation>Sus finanzas, en todas partes.</translation>
    </message>
    <message>
        <source>Multi-Device Sync</source>
        <translation>Sincronización entre dispositivos</translation>
    </message>
    <message>
        <source>Keep your quillon in sync between your phone, tablet, and computer.</source>
        <translation>Mantenga su libro de cuentas al día en el móvil, la tableta y el ordenador.</translation>
    </message>
    <message>
        <source>Family Sharing</source>
        <translation>En familia</translation>
    </message>
    <message>
        <source>Share accounts with family members. Everyone sees the same register in real time.</source>
        <translation>Comparta cuentas con su familia. Todos ven los mismos movimientos al instante.</translation>
    </message>
    <message>
        <source>Secure &amp; Private</source>
        <translation>Seguro y privado</translation>
    </message>
    <message>
        <source>Your data is encrypted in transit and at rest. We never sell your data or show ads.</source>
        <translation>Sus datos viajan y se guardan cifrados. Nunca vendemos sus datos ni mostramos publicidad.</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Cerrar sesión</translation>
    </message>
    <message>
        <source>Already have an account? Sign In</source>
        <translation>¿Ya tiene cuenta? Inicie sesión</translation>
    </message>
</context>
</TS>
