<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
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
    <name>AccountItemWidget</name>
    <message>
        <source>Balance of %1</source>
        <translation>Saldo de %1</translation>
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
    <name>AccountSharingService</name>
    <message>
        <source>Failed to share account (HTTP %1)</source>
        <translation>No se pudo compartir la cuenta (HTTP %1)</translation>
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
        <source>Select an account first</source>
        <translation>Seleccione antes una cuenta</translation>
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
        <source>&amp;Import...</source>
        <translation>&amp;Importar...</translation>
    </message>
    <message>
        <source>Ctrl+I</source>
        <translation>Ctrl+I</translation>
    </message>
    <message>
        <source>Tindral &amp;Account...</source>
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
        <source>&amp;Find...</source>
        <translation>&amp;Buscar...</translation>
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
        <source>Re&amp;curring Transactions</source>
        <translation>Movimientos &amp;recurrentes</translation>
    </message>
    <message>
        <source>Ctrl+3</source>
        <translation>Ctrl+3</translation>
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
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Not signed in</source>
        <translation>Sin iniciar sesión</translation>
    </message>
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
        <source>The account keeps its previous details and balance.</source>
        <translation>La cuenta conserva sus datos y su saldo anteriores.</translation>
    </message>
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
    <message>
        <source>Delete Account</source>
        <translation>Eliminar cuenta</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;?

All transactions, recurring entries, and reconciliation history for this account will be removed. You can restore it from Preferences → Data &amp; Sync.</source>
        <translation>¿Eliminar «%1»?

Se quitarán todos los movimientos, los movimientos recurrentes y el historial de conciliaciones de esta cuenta. Puede restaurarla en Preferencias → Datos y sincronización.</translation>
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
        <source>Ctrl+Enter</source>
        <translation>Ctrl+Enter</translation>
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
        <source>Ctrl+D</source>
        <translation>Ctrl+D</translation>
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
        <source>New transaction</source>
        <translation>Nuevo movimiento</translation>
    </message>
    <message>
        <source>New account</source>
        <translation>Nueva cuenta</translation>
    </message>
    <message>
        <source>Reconcile account</source>
        <translation>Conciliar la cuenta</translation>
    </message>
    <message>
        <source>Ctrl+F</source>
        <translation>Ctrl+F</translation>
    </message>
    <message>
        <source>Search transactions</source>
        <translation>Buscar movimientos</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Informes</translation>
    </message>
    <message>
        <source>Recurring transactions</source>
        <translation>Movimientos recurrentes</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categorías</translation>
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
    <name>RegisterDelegate</name>
    <message>
        <source>Open calendar (F4)</source>
        <translation>Abrir calendario (F4)</translation>
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
        <source>Ctrl+Enter: save  |  Enter: next  |  Ctrl+D: delete  |  &apos;: copy above</source>
        <translation>Ctrl+Enter: guardar  |  Enter: siguiente  |  Ctrl+D: eliminar  |  &apos;: copiar de arriba</translation>
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
        <source>Payee is required</source>
        <translation>Indique un beneficiario</translation>
    </message>
    <message>
        <source>Enter a payment or deposit amount</source>
        <translation>Indique un importe de cargo o de abono</translation>
    </message>
    <message>
        <source>Cannot read the amount &quot;%1&quot;; type it like 1,234.56</source>
        <translation>No se puede leer el importe «%1»; escríbalo así: 1,234.56</translation>
    </message>
    <message>
        <source>An existing transaction cannot become a transfer; delete it and enter the transfer as a new transaction</source>
        <translation>Un movimiento existente no puede convertirse en traspaso; elimínelo e introduzca el traspaso como movimiento nuevo</translation>
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
        <source>Could not save the transaction</source>
        <translation>No se pudo guardar el movimiento</translation>
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
        <source>Could not save the split</source>
        <translation>No se pudo guardar el desglose</translation>
    </message>
    <message>
        <source>Split saved</source>
        <translation>Desglose guardado</translation>
    </message>
    <message>
        <source>&amp;Insert New (Ctrl+I)</source>
        <translation>&amp;Insertar nuevo (Ctrl+I)</translation>
    </message>
    <message>
        <source>&amp;New Transaction... (Ctrl+N)</source>
        <translation>&amp;Nuevo movimiento... (Ctrl+N)</translation>
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
        <source>S&amp;plit...</source>
        <translation>&amp;Desglosar...</translation>
    </message>
    <message>
        <source>&amp;Delete (Ctrl+D)</source>
        <translation>&amp;Eliminar (Ctrl+D)</translation>
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
