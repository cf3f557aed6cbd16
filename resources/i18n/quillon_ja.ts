<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>AccountActions</name>
    <message>
        <source>New Account</source>
        <translation>新しい口座</translation>
    </message>
    <message>
        <source>The account could not be created.</source>
        <translation>口座を作成できませんでした。</translation>
    </message>
    <message>
        <source>Nothing was stored; your other accounts are unchanged.</source>
        <translation>何も保存されていません。ほかの口座は変更されていません。</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>口座の編集</translation>
    </message>
    <message>
        <source>The changes could not be saved.</source>
        <translation>変更を保存できませんでした。</translation>
    </message>
    <message>
        <source>The account was deleted meanwhile.</source>
        <translation>この口座はその間に削除されました。</translation>
    </message>
    <message>
        <source>The account keeps its previous details and balance.</source>
        <translation>口座の情報と残高は変更前のままです。</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;?

All transactions, recurring entries, and reconciliation history for this account will be removed. You can restore it from Preferences → Data &amp; Sync.</source>
        <translation>「%1」を削除しますか?

この口座の取引、定期取引、照合履歴はすべて削除されます。[環境設定] → [データと同期] から復元できます。</translation>
    </message>
    <message>
        <source>The transaction you are typing in this account will be discarded.</source>
        <translation>この口座で入力中の取引は破棄されます。</translation>
    </message>
    <message>
        <source>Delete Account</source>
        <translation>口座の削除</translation>
    </message>
    <message>
        <source>The account could not be deleted.</source>
        <translation>口座を削除できませんでした。</translation>
    </message>
    <message>
        <source>Nothing was removed: the account and all its entries are kept.</source>
        <translation>何も削除されていません。口座とそのすべての取引はそのまま残っています。</translation>
    </message>
    <message>
        <source>Sign In Required</source>
        <translation>サインインが必要です</translation>
    </message>
    <message>
        <source>Sharing requires a Tindral account. Sign in via File › Sign In to enable sharing.</source>
        <translation>共有には Tindral アカウントが必要です。[ファイル] › [サインイン] からサインインすると共有できるようになります。</translation>
    </message>
    <message>
        <source>Sync this account once before sharing it</source>
        <translation>共有する前に、この口座を一度同期してください</translation>
    </message>
    <message>
        <source>Share Account</source>
        <translation>口座の共有</translation>
    </message>
    <message>
        <source>Sharing: %1</source>
        <translation>共有: %1</translation>
    </message>
    <message>
        <source>Share this account with members of your Tindral family group. They&apos;ll see the same register, balances, and reconciliation history on their devices.</source>
        <translation>この口座を Tindral のファミリーグループのメンバーと共有します。メンバーのデバイスにも同じ入出金明細、残高、照合履歴が表示されます。</translation>
    </message>
    <message>
        <source>Shared with</source>
        <translation>共有相手</translation>
    </message>
    <message>
        <source>Not shared with anyone yet.</source>
        <translation>まだ誰とも共有していません。</translation>
    </message>
    <message>
        <source>You&apos;re not part of a Tindral group yet. Create or join one under File › Tindral Account..., then share this account with its members.</source>
        <translation>まだ Tindral のグループに参加していません。[ファイル] › [Tindral アカウント...] でグループを作成するか参加してから、この口座をメンバーと共有してください。</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>共有</translation>
    </message>
    <message>
        <source>Remove Selected</source>
        <translation>選択項目を削除</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Share Failed</source>
        <translation>共有に失敗しました</translation>
    </message>
    <message>
        <source>Remove Failed</source>
        <translation>削除に失敗しました</translation>
    </message>
    <message>
        <source>Remove Share</source>
        <translation>共有の解除</translation>
    </message>
    <message>
        <source>Remove %1&apos;s access to this account?</source>
        <translation>%1 によるこの口座へのアクセスを解除しますか?</translation>
    </message>
    <message>
        <source>This account can be shared after its first sync.</source>
        <translation>この口座は最初の同期の後に共有できます。</translation>
    </message>
</context>
<context>
    <name>AccountContextMenu</name>
    <message>
        <source>Account actions</source>
        <translation>口座の操作</translation>
    </message>
    <message>
        <source>New Account...</source>
        <translation>新しい口座...</translation>
    </message>
    <message>
        <source>Edit &quot;%1&quot;...</source>
        <translation>「%1」を編集...</translation>
    </message>
    <message>
        <source>Reconcile...</source>
        <translation>照合...</translation>
    </message>
    <message>
        <source>Reconciliation History...</source>
        <translation>照合履歴...</translation>
    </message>
    <message>
        <source>Rename Payees...</source>
        <translation>取引先名の変更...</translation>
    </message>
    <message>
        <source>Share...</source>
        <translation>共有...</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;</source>
        <translation>「%1」を削除</translation>
    </message>
</context>
<context>
    <name>AccountDevicesPage</name>
    <message>
        <source>Registered Devices</source>
        <translation>登録済みのデバイス</translation>
    </message>
    <message>
        <source>Devices that have synced with your account.</source>
        <translation>このアカウントと同期したデバイスです。</translation>
    </message>
    <message>
        <source>No devices registered.</source>
        <translation>登録済みのデバイスはありません。</translation>
    </message>
    <message>
        <source>Unknown Device</source>
        <translation>不明なデバイス</translation>
    </message>
    <message>
        <source>  ·  v%1</source>
        <translation>  ·  v%1</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>%1 を削除</translation>
    </message>
    <message>
        <source>Remove Device</source>
        <translation>デバイスの削除</translation>
    </message>
    <message>
        <source>Remove %1?</source>
        <translation>%1 を削除しますか?</translation>
    </message>
    <message>
        <source>Device removed.</source>
        <translation>デバイスを削除しました。</translation>
    </message>
    <message>
        <source>Failed to remove device.</source>
        <translation>デバイスを削除できませんでした。</translation>
    </message>
</context>
<context>
    <name>AccountFormDialog</name>
    <message>
        <source>New Account</source>
        <translation>新しい口座</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>口座の編集</translation>
    </message>
    <message>
        <source>Account name</source>
        <translation>口座名</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>普通預金</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>貯蓄預金</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>クレジットカード</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>現金</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>投資</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>その他</translation>
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
        <translation>金融機関名 (任意)</translation>
    </message>
    <message>
        <source>Last 4 digits (optional)</source>
        <translation>下 4 桁 (任意)</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>名前(&amp;N):</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>種類(&amp;T):</translation>
    </message>
    <message>
        <source>&amp;Currency:</source>
        <translation>通貨(&amp;C):</translation>
    </message>
    <message>
        <source>Starting &amp;Balance:</source>
        <translation>開始残高(&amp;B):</translation>
    </message>
    <message>
        <source>&amp;As of:</source>
        <translation>基準日(&amp;A):</translation>
    </message>
    <message>
        <source>&amp;Institution:</source>
        <translation>金融機関(&amp;I):</translation>
    </message>
    <message>
        <source>Account &amp;Number:</source>
        <translation>口座番号(&amp;U):</translation>
    </message>
</context>
<context>
    <name>AccountGroupPage</name>
    <message>
        <source>No Group</source>
        <translation>グループなし</translation>
    </message>
    <message>
        <source>You&apos;re not part of a group. The group owner can invite you, or you can join with an invite code.</source>
        <translation>グループに参加していません。グループのオーナーから招待を受けるか、招待コードで参加できます。</translation>
    </message>
    <message>
        <source>Join with Invite Code</source>
        <translation>招待コードで参加</translation>
    </message>
    <message>
        <source>%1 of %2 seats used</source>
        <translation>%2 人中 %1 人が利用中</translation>
    </message>
    <message>
        <source>Members</source>
        <translation>メンバー</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>オーナー</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>%1 を削除</translation>
    </message>
    <message>
        <source>Remove Member</source>
        <translation>メンバーの削除</translation>
    </message>
    <message>
        <source>Remove %1 from the group?</source>
        <translation>%1 をグループから削除しますか?</translation>
    </message>
    <message>
        <source>Failed to remove %1.</source>
        <translation>%1 を削除できませんでした。</translation>
    </message>
    <message>
        <source>%1 removed.</source>
        <translation>%1 を削除しました。</translation>
    </message>
    <message>
        <source>Pending Invitations</source>
        <translation>保留中の招待</translation>
    </message>
    <message>
        <source>Invite code: %1</source>
        <translation>招待コード: %1</translation>
    </message>
    <message>
        <source>Revoke</source>
        <translation>取り消す</translation>
    </message>
    <message>
        <source>Revoke invitation %1</source>
        <translation>招待 %1 を取り消す</translation>
    </message>
    <message>
        <source>Invitation revoked.</source>
        <translation>招待を取り消しました。</translation>
    </message>
    <message>
        <source>Failed to revoke invitation.</source>
        <translation>招待を取り消せませんでした。</translation>
    </message>
    <message>
        <source>Invite Members</source>
        <translation>メンバーを招待</translation>
    </message>
    <message>
        <source>Invite by Email</source>
        <translation>メールで招待</translation>
    </message>
    <message>
        <source>Generate Invite Code</source>
        <translation>招待コードを発行</translation>
    </message>
    <message>
        <source>Leave Group</source>
        <translation>グループから退出</translation>
    </message>
    <message>
        <source>Leave this group? You will lose access to shared data.</source>
        <translation>このグループから退出しますか? 共有データにはアクセスできなくなります。</translation>
    </message>
    <message>
        <source>Left group.</source>
        <translation>グループから退出しました。</translation>
    </message>
    <message>
        <source>Failed to leave group.</source>
        <translation>グループから退出できませんでした。</translation>
    </message>
    <message>
        <source>Join Group</source>
        <translation>グループに参加</translation>
    </message>
    <message>
        <source>Enter invite code:</source>
        <translation>招待コードを入力してください:</translation>
    </message>
    <message>
        <source>Joined group.</source>
        <translation>グループに参加しました。</translation>
    </message>
    <message>
        <source>Invalid or expired invite code.</source>
        <translation>招待コードが無効か、有効期限が切れています。</translation>
    </message>
    <message>
        <source>Email address:</source>
        <translation>メールアドレス:</translation>
    </message>
    <message>
        <source>Invitation sent.</source>
        <translation>招待を送信しました。</translation>
    </message>
    <message>
        <source>Failed to send invitation.</source>
        <translation>招待を送信できませんでした。</translation>
    </message>
    <message>
        <source>Failed to generate code.</source>
        <translation>コードを発行できませんでした。</translation>
    </message>
    <message>
        <source>Invite Code</source>
        <translation>招待コード</translation>
    </message>
    <message>
        <source>Share this code with the person you want to invite:

%1</source>
        <translation>招待したい人にこのコードを伝えてください:

%1</translation>
    </message>
</context>
<context>
    <name>AccountListModel</name>
    <message>
        <source>%1, %2</source>
        <translation>%1、%2</translation>
    </message>
</context>
<context>
    <name>AccountPresentation</name>
    <message>
        <source>Checking</source>
        <translation>普通預金</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>貯蓄預金</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>クレジットカード</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>現金</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>投資</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>その他</translation>
    </message>
    <message>
        <source>No accounts</source>
        <translation>口座がありません</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>合計: %1</translation>
    </message>
</context>
<context>
    <name>AccountPrivacyPage</name>
    <message>
        <source>Danger Zone</source>
        <translation>危険な操作</translation>
    </message>
    <message>
        <source>Permanently delete your account. This cannot be undone after 30 days.</source>
        <translation>アカウントを完全に削除します。30 日を過ぎると元に戻せません。</translation>
    </message>
    <message>
        <source>Delete Account</source>
        <translation>アカウントの削除</translation>
    </message>
    <message>
        <source>You are the group owner. Transfer ownership or remove all members before deleting your account.</source>
        <translation>あなたはグループのオーナーです。アカウントを削除する前に、オーナー権限を譲渡するか、すべてのメンバーを削除してください。</translation>
    </message>
    <message>
        <source>This will schedule your account for permanent deletion after 30 days.

Type DELETE to confirm:</source>
        <translation>30 日後にアカウントが完全に削除されるよう予約します。

確認のため DELETE と入力してください:</translation>
    </message>
    <message>
        <source>Failed to delete account.</source>
        <translation>アカウントを削除できませんでした。</translation>
    </message>
    <message>
        <source>Account Scheduled for Deletion</source>
        <translation>アカウントの削除を予約しました</translation>
    </message>
    <message>
        <source>Your account will be permanently deleted in 30 days. You can recover it by signing in before then.</source>
        <translation>アカウントは 30 日後に完全に削除されます。それまでにサインインすれば復元できます。</translation>
    </message>
</context>
<context>
    <name>AccountProfilePage</name>
    <message>
        <source>Personal Information</source>
        <translation>個人情報</translation>
    </message>
    <message>
        <source>(not set)</source>
        <translation>(未設定)</translation>
    </message>
    <message>
        <source>Display name</source>
        <translation>表示名</translation>
    </message>
    <message>
        <source>Edit Display Name</source>
        <translation>表示名の変更</translation>
    </message>
    <message>
        <source>E-mail address</source>
        <translation>メールアドレス</translation>
    </message>
    <message>
        <source>Account Portal</source>
        <translation>アカウントポータル</translation>
    </message>
    <message>
        <source>Billing, subscriptions and more are managed on the web.</source>
        <translation>請求やサブスクリプションなどは Web で管理します。</translation>
    </message>
    <message>
        <source>Open Account Portal</source>
        <translation>アカウントポータルを開く</translation>
    </message>
    <message>
        <source>Display name:</source>
        <translation>表示名:</translation>
    </message>
    <message>
        <source>Display name updated.</source>
        <translation>表示名を更新しました。</translation>
    </message>
    <message>
        <source>Failed to update profile.</source>
        <translation>プロフィールを更新できませんでした。</translation>
    </message>
</context>
<context>
    <name>AccountScreen</name>
    <message>
        <source>Tindral Account</source>
        <translation>Tindral アカウント</translation>
    </message>
    <message>
        <source>Account sections</source>
        <translation>アカウントの項目</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>プロフィール</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>グループ</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>デバイス</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>セキュリティ</translation>
    </message>
    <message>
        <source>Data &amp; Privacy</source>
        <translation>データとプライバシー</translation>
    </message>
    <message>
        <source>Account section</source>
        <translation>アカウントの項目</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>結果</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>不明</translation>
    </message>
    <message>
        <source>Active now</source>
        <translation>現在アクティブ</translation>
    </message>
    <message>
        <source>%1m ago</source>
        <translation>%1 分前</translation>
    </message>
    <message>
        <source>%1h ago</source>
        <translation>%1 時間前</translation>
    </message>
    <message>
        <source>%1d ago</source>
        <translation>%1 日前</translation>
    </message>
</context>
<context>
    <name>AccountSecurityPage</name>
    <message>
        <source>Password</source>
        <translation>パスワード</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>パスワードの変更</translation>
    </message>
    <message>
        <source>Change your account password.</source>
        <translation>アカウントのパスワードを変更します。</translation>
    </message>
    <message>
        <source>Active Sessions</source>
        <translation>アクティブなセッション</translation>
    </message>
    <message>
        <source>Sessions currently signed in to your account.</source>
        <translation>現在このアカウントにサインインしているセッションです。</translation>
    </message>
    <message>
        <source>No active sessions.</source>
        <translation>アクティブなセッションはありません。</translation>
    </message>
    <message>
        <source>Unknown client</source>
        <translation>不明なクライアント</translation>
    </message>
    <message>
        <source>This session</source>
        <translation>このセッション</translation>
    </message>
    <message>
        <source>  ·  %1</source>
        <translation>  ·  %1</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>現在</translation>
    </message>
    <message>
        <source>Revoke</source>
        <translation>取り消す</translation>
    </message>
    <message>
        <source>Revoke session %1</source>
        <translation>セッション %1 を取り消す</translation>
    </message>
    <message>
        <source>Session revoked.</source>
        <translation>セッションを取り消しました。</translation>
    </message>
    <message>
        <source>Failed to revoke session.</source>
        <translation>セッションを取り消せませんでした。</translation>
    </message>
    <message>
        <source>Current password:</source>
        <translation>現在のパスワード:</translation>
    </message>
    <message>
        <source>New password (min 8 characters):</source>
        <translation>新しいパスワード (8 文字以上):</translation>
    </message>
    <message>
        <source>Password must be at least 8 characters.</source>
        <translation>パスワードは 8 文字以上にしてください。</translation>
    </message>
    <message>
        <source>Confirm new password:</source>
        <translation>新しいパスワード (確認):</translation>
    </message>
    <message>
        <source>Passwords do not match.</source>
        <translation>パスワードが一致しません。</translation>
    </message>
    <message>
        <source>Password changed.</source>
        <translation>パスワードを変更しました。</translation>
    </message>
    <message>
        <source>Failed to change password.</source>
        <translation>パスワードを変更できませんでした。</translation>
    </message>
</context>
<context>
    <name>AccountSharingService</name>
    <message>
        <source>Failed to share account (HTTP %1)</source>
        <translation>口座を共有できませんでした (HTTP %1)</translation>
    </message>
</context>
<context>
    <name>AccountSidebar</name>
    <message>
        <source>Sidebar</source>
        <translation>サイドバー</translation>
    </message>
    <message>
        <source>Accounts</source>
        <translation>口座</translation>
    </message>
    <message>
        <source>Total of all accounts</source>
        <translation>全口座の合計</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Failed to initialize the database.

Data directory: %1

Please check file permissions and try again.</source>
        <translation>データベースを開けませんでした。

データフォルダー: %1

ファイルのアクセス権を確認してから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Database Error</source>
        <translation>データベースエラー</translation>
    </message>
    <message>
        <source>Updating your data for this version of %1...</source>
        <translation>%1 のこのバージョン用にデータを更新しています...</translation>
    </message>
</context>
<context>
    <name>BackgroundJob</name>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>キャンセルしています...</translation>
    </message>
    <message>
        <source>%1 rows done</source>
        <translation>%1 行を処理しました</translation>
    </message>
</context>
<context>
    <name>BackupFlow</name>
    <message>
        <source>Replace all with backup data</source>
        <translation>すべてをバックアップのデータで置き換える</translation>
    </message>
    <message>
        <source>Keep newer (compare timestamps)</source>
        <translation>新しい方を残す (日時を比較)</translation>
    </message>
    <message>
        <source>Skip existing items</source>
        <translation>既存の項目はスキップ</translation>
    </message>
    <message>
        <source>Import Mode</source>
        <translation>インポート方法</translation>
    </message>
    <message>
        <source>How should existing data be handled?</source>
        <translation>既存のデータをどのように扱いますか?</translation>
    </message>
    <message>
        <source>Replace Existing Data</source>
        <translation>既存データの置き換え</translation>
    </message>
    <message>
        <source>Every record in the backup replaces the record of the same id here, including changes made since the backup was written. Records that are not in the backup are kept.

Continue?</source>
        <translation>バックアップ内の各レコードで、同じ ID のレコードを置き換えます。バックアップ作成後に加えた変更も上書きされます。バックアップにないレコードはそのまま残ります。

続行しますか?</translation>
    </message>
    <message>
        <source>Export Backup</source>
        <translation>バックアップのエクスポート</translation>
    </message>
    <message>
        <source>ZIP Files (*.zip)</source>
        <translation>ZIP ファイル (*.zip)</translation>
    </message>
    <message>
        <source>Exporting backup...</source>
        <translation>バックアップをエクスポートしています...</translation>
    </message>
    <message>
        <source>Backup Complete</source>
        <translation>バックアップ完了</translation>
    </message>
    <message>
        <source>Backup saved to:
%1</source>
        <translation>バックアップの保存先:
%1</translation>
    </message>
    <message>
        <source>Could not write to:
%1

%2</source>
        <translation>書き込めませんでした:
%1

%2</translation>
    </message>
    <message>
        <source>The backup could not be made: %1</source>
        <translation>バックアップを作成できませんでした: %1</translation>
    </message>
    <message>
        <source>The database could not be opened for the backup.</source>
        <translation>バックアップ用にデータベースを開けませんでした。</translation>
    </message>
    <message>
        <source>Backup Failed</source>
        <translation>バックアップ失敗</translation>
    </message>
    <message>
        <source>No backup file was written.</source>
        <translation>バックアップファイルは書き込まれていません。</translation>
    </message>
    <message>
        <source>Import Backup</source>
        <translation>バックアップのインポート</translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation>インポート失敗</translation>
    </message>
    <message>
        <source>Could not read file.</source>
        <translation>ファイルを読み込めませんでした。</translation>
    </message>
    <message>
        <source>Restoring backup...</source>
        <translation>バックアップを復元しています...</translation>
    </message>
    <message>
        <source>The database could not be opened for the restore.</source>
        <translation>復元用にデータベースを開けませんでした。</translation>
    </message>
    <message>
        <source>Nothing was restored.</source>
        <translation>何も復元されていません。</translation>
    </message>
    <message>
        <source>Imported %1 items, skipped %2.</source>
        <translation>%1 件をインポートし、%2 件をスキップしました。</translation>
    </message>
    <message numerus="yes">
        <source>%n error(s) occurred.</source>
        <translation>
            <numerusform>%n 件のエラーが発生しました。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) were left out: they come from a newer version of Tindral Quillon.</source>
        <translation>
            <numerusform>%n 行は新しいバージョンの Tindral Quillon のデータのため、取り込みませんでした。</numerusform>
        </translation>
    </message>
    <message>
        <source>Import Complete</source>
        <translation>インポート完了</translation>
    </message>
</context>
<context>
    <name>BackupService</name>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%1 を読み込めません: %2</translation>
    </message>
    <message>
        <source>%1: the row is too large for a backup (%2 bytes)</source>
        <translation>%1: レコードが大きすぎてバックアップできません (%2 バイト)</translation>
    </message>
    <message>
        <source>The database is too large for a backup</source>
        <translation>データベースが大きすぎてバックアップできません</translation>
    </message>
    <message>
        <source>The archive could not be written</source>
        <translation>アーカイブを書き込めませんでした</translation>
    </message>
    <message>
        <source>Failed to open ZIP archive</source>
        <translation>ZIP アーカイブを開けませんでした</translation>
    </message>
    <message>
        <source>%1: entry too large</source>
        <translation>%1: エントリが大きすぎます</translation>
    </message>
    <message>
        <source>Invalid backup: missing manifest.json</source>
        <translation>無効なバックアップです: manifest.json がありません</translation>
    </message>
    <message>
        <source>Unsupported backup version: %1</source>
        <translation>対応していないバックアップのバージョンです: %1</translation>
    </message>
    <message>
        <source>The backup is too large to restore</source>
        <translation>バックアップが大きすぎて復元できません</translation>
    </message>
    <message>
        <source>The backup could not be written to the database (%1); nothing was restored.</source>
        <translation>バックアップをデータベースに書き込めませんでした (%1)。何も復元されていません。</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: unexpected error</source>
        <translation>%1: 予期しないエラー</translation>
    </message>
    <message>
        <source>%1: invalid JSON</source>
        <translation>%1: JSON が正しくありません</translation>
    </message>
    <message>
        <source>the row has no id</source>
        <translation>レコードに ID がありません</translation>
    </message>
    <message>
        <source>invalid value for %1</source>
        <translation>%1 の値が正しくありません</translation>
    </message>
    <message>
        <source>The backup was cancelled</source>
        <translation>バックアップはキャンセルされました</translation>
    </message>
    <message>
        <source>The restore was cancelled; nothing was restored.</source>
        <translation>復元はキャンセルされました。何も復元されていません。</translation>
    </message>
</context>
<context>
    <name>BudgetScreen</name>
    <message>
        <source>Budget</source>
        <translation>予算</translation>
    </message>
    <message>
        <source>&lt; Previous</source>
        <translation>&lt; 前へ</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>前の月</translation>
    </message>
    <message>
        <source>Previous month (Alt+Left)</source>
        <translation>前の月 (Alt+Left)</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>次へ &gt;</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>次の月</translation>
    </message>
    <message>
        <source>Next month (Alt+Right)</source>
        <translation>次の月 (Alt+Right)</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>月</translation>
    </message>
    <message>
        <source>Co&amp;py Last Month</source>
        <translation>前月をコピー(&amp;P)</translation>
    </message>
    <message>
        <source>Copy last month&apos;s budgets</source>
        <translation>前月の予算をコピー</translation>
    </message>
    <message>
        <source>Fill from &amp;Average</source>
        <translation>平均で入力(&amp;A)</translation>
    </message>
    <message>
        <source>Fill from the average of the last three months</source>
        <translation>過去3か月の平均で入力</translation>
    </message>
    <message>
        <source>Budget by category</source>
        <translation>カテゴリ別予算</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>Carried In</source>
        <translation>繰越</translation>
    </message>
    <message>
        <source>Spent</source>
        <translation>支出</translation>
    </message>
    <message>
        <source>Remaining</source>
        <translation>残り</translation>
    </message>
    <message>
        <source>Used</source>
        <translation>使用率</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>合計</translation>
    </message>
    <message>
        <source>Budget amount</source>
        <translation>予算額</translation>
    </message>
    <message>
        <source>&amp;Roll over what is left</source>
        <translation>残りを繰り越す(&amp;R)</translation>
    </message>
    <message>
        <source>Roll over what is left into the next month</source>
        <translation>残りを翌月に繰り越す</translation>
    </message>
    <message>
        <source>&amp;Set Budget</source>
        <translation>予算を設定(&amp;S)</translation>
    </message>
    <message>
        <source>Set budget</source>
        <translation>予算を設定</translation>
    </message>
    <message>
        <source>C&amp;lear Budget</source>
        <translation>予算を消去(&amp;L)</translation>
    </message>
    <message>
        <source>Clear budget</source>
        <translation>予算を消去</translation>
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
        <translation> (合計)</translation>
    </message>
    <message>
        <source>%1: %2% of the budget used</source>
        <translation>%1: 予算の %2% を使用</translation>
    </message>
    <message>
        <source>Budget %1 · Carried in %2 · Spent %3 · Remaining %4</source>
        <translation>予算 %1 · 繰越 %2 · 支出 %3 · 残り %4</translation>
    </message>
    <message>
        <source>&amp;Budget:</source>
        <translation>予算(&amp;B):</translation>
    </message>
    <message>
        <source>&amp;Budget for %1:</source>
        <translation>%1 の予算(&amp;B):</translation>
    </message>
    <message>
        <source>The budgets could not be saved.</source>
        <translation>予算を保存できませんでした。</translation>
    </message>
    <message>
        <source>The month keeps its previous budgets.</source>
        <translation>この月の予算は以前のままです。</translation>
    </message>
    <message>
        <source>Set Budget</source>
        <translation>予算を設定</translation>
    </message>
    <message>
        <source>Clear Budget</source>
        <translation>予算を消去</translation>
    </message>
    <message>
        <source>Copy Last Month</source>
        <translation>前月をコピー</translation>
    </message>
    <message>
        <source>Fill from Average</source>
        <translation>平均で入力</translation>
    </message>
</context>
<context>
    <name>BudgetService</name>
    <message>
        <source>Copy Budgets from Last Month</source>
        <translation>前月の予算をコピー</translation>
    </message>
    <message>
        <source>Fill Budgets from Average</source>
        <translation>平均から予算を入力</translation>
    </message>
</context>
<context>
    <name>CategoriesScreen</name>
    <message>
        <source>+ New Category</source>
        <translation>+ 新しいカテゴリ</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>New Category</source>
        <translation>新しいカテゴリ</translation>
    </message>
    <message>
        <source>Category tree</source>
        <translation>カテゴリのツリー</translation>
    </message>
    <message>
        <source>Category name:</source>
        <translation>カテゴリ名:</translation>
    </message>
    <message>
        <source>The category could not be created.</source>
        <translation>カテゴリを作成できませんでした。</translation>
    </message>
    <message>
        <source>Nothing was added; your categories are unchanged.</source>
        <translation>何も追加されていません。カテゴリは変更されていません。</translation>
    </message>
    <message>
        <source>Edit Category</source>
        <translation>カテゴリの編集</translation>
    </message>
    <message>
        <source>The category could not be renamed.</source>
        <translation>カテゴリ名を変更できませんでした。</translation>
    </message>
    <message>
        <source>It keeps its previous name.</source>
        <translation>名前は変更前のままです。</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;?</source>
        <translation>「%1」を削除しますか?</translation>
    </message>
    <message numerus="yes">
        <source>%n transaction(s) using this category will become uncategorized.</source>
        <translation>
            <numerusform>このカテゴリを使っている %n 件の取引は未分類になります。</numerusform>
        </translation>
    </message>
    <message>
        <source>No transactions use this category.</source>
        <translation>このカテゴリを使っている取引はありません。</translation>
    </message>
    <message>
        <source>Its sub-categories will move to the top level.</source>
        <translation>サブカテゴリは最上位に移動します。</translation>
    </message>
    <message>
        <source>Delete Category</source>
        <translation>カテゴリの削除</translation>
    </message>
    <message>
        <source>The category could not be deleted.</source>
        <translation>カテゴリを削除できませんでした。</translation>
    </message>
    <message>
        <source>Nothing was changed: the category and its transactions are as they were.</source>
        <translation>何も変更されていません。カテゴリとその取引は元のままです。</translation>
    </message>
    <message>
        <source>Category actions</source>
        <translation>カテゴリの操作</translation>
    </message>
    <message>
        <source>&amp;New Category</source>
        <translation>新しいカテゴリ(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>削除(&amp;D)</translation>
    </message>
</context>
<context>
    <name>CategoryService</name>
    <message>
        <source>Charitable Donations</source>
        <translation>寄付金</translation>
    </message>
    <message>
        <source>Medical Expenses</source>
        <translation>医療費</translation>
    </message>
    <message>
        <source>Business Expenses</source>
        <translation>事業経費</translation>
    </message>
    <message>
        <source>Home Office</source>
        <translation>在宅勤務</translation>
    </message>
    <message>
        <source>Education Expenses</source>
        <translation>教育費</translation>
    </message>
    <message>
        <source>State &amp; Local Taxes</source>
        <translation>住民税・地方税</translation>
    </message>
    <message>
        <source>Mortgage Interest</source>
        <translation>住宅ローン利息</translation>
    </message>
    <message>
        <source>Property Tax</source>
        <translation>固定資産税</translation>
    </message>
    <message>
        <source>Housing</source>
        <translation>住居</translation>
    </message>
    <message>
        <source>Rent/Mortgage Payment</source>
        <translation>家賃・住宅ローン</translation>
    </message>
    <message>
        <source>Maintenance</source>
        <translation>修理・メンテナンス</translation>
    </message>
    <message>
        <source>HOA</source>
        <translation>管理費・修繕積立金</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>水道光熱費・通信費</translation>
    </message>
    <message>
        <source>Electric</source>
        <translation>電気代</translation>
    </message>
    <message>
        <source>Gas</source>
        <translation>ガス代</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>水道代</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>インターネット</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>電話代</translation>
    </message>
    <message>
        <source>Transportation</source>
        <translation>交通・車</translation>
    </message>
    <message>
        <source>Gas/Fuel</source>
        <translation>ガソリン代</translation>
    </message>
    <message>
        <source>Car Payment</source>
        <translation>自動車ローン</translation>
    </message>
    <message>
        <source>Auto Insurance</source>
        <translation>自動車保険</translation>
    </message>
    <message>
        <source>Public Transit</source>
        <translation>公共交通機関</translation>
    </message>
    <message>
        <source>Groceries</source>
        <translation>食料品</translation>
    </message>
    <message>
        <source>Dining &amp; Restaurants</source>
        <translation>外食</translation>
    </message>
    <message>
        <source>Personal Care</source>
        <translation>理美容</translation>
    </message>
    <message>
        <source>Pets</source>
        <translation>ペット</translation>
    </message>
    <message>
        <source>Subscriptions</source>
        <translation>サブスクリプション</translation>
    </message>
    <message>
        <source>Gifts</source>
        <translation>贈り物</translation>
    </message>
    <message>
        <source>Miscellaneous</source>
        <translation>雑費</translation>
    </message>
    <message>
        <source>Entertainment</source>
        <translation>娯楽</translation>
    </message>
    <message>
        <source>Streaming</source>
        <translation>動画・音楽配信</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>映画</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>イベント</translation>
    </message>
    <message>
        <source>Shopping</source>
        <translation>買い物</translation>
    </message>
    <message>
        <source>Clothing</source>
        <translation>衣服</translation>
    </message>
    <message>
        <source>Electronics</source>
        <translation>家電・電子機器</translation>
    </message>
    <message>
        <source>Household</source>
        <translation>日用品</translation>
    </message>
    <message>
        <source>Insurance</source>
        <translation>保険</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>医療保険</translation>
    </message>
    <message>
        <source>Life</source>
        <translation>生命保険</translation>
    </message>
    <message>
        <source>Home/Renters</source>
        <translation>火災・家財保険</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自動車</translation>
    </message>
    <message>
        <source>Fees &amp; Charges</source>
        <translation>手数料</translation>
    </message>
    <message>
        <source>Bank Fees</source>
        <translation>銀行手数料</translation>
    </message>
    <message>
        <source>ATM Fees</source>
        <translation>ATM 手数料</translation>
    </message>
    <message>
        <source>Late Fees</source>
        <translation>延滞料</translation>
    </message>
    <message>
        <source>Salary / Wages</source>
        <translation>給与</translation>
    </message>
    <message>
        <source>Interest Income</source>
        <translation>受取利息</translation>
    </message>
    <message>
        <source>Dividend Income</source>
        <translation>配当金</translation>
    </message>
    <message>
        <source>Rental Income</source>
        <translation>家賃収入</translation>
    </message>
    <message>
        <source>Freelance / Consulting</source>
        <translation>事業・フリーランス収入</translation>
    </message>
    <message>
        <source>Refunds</source>
        <translation>返金</translation>
    </message>
    <message>
        <source>Gifts Received</source>
        <translation>いただいた贈り物</translation>
    </message>
    <message>
        <source>Other Income</source>
        <translation>その他の収入</translation>
    </message>
</context>
<context>
    <name>CategoryTreeModel</name>
    <message>
        <source>Category</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>Tax Code</source>
        <translation>税区分</translation>
    </message>
    <message>
        <source>Charitable contributions</source>
        <translation>寄付</translation>
    </message>
    <message>
        <source>Medical and dental</source>
        <translation>医療費・歯科</translation>
    </message>
    <message>
        <source>Business expense</source>
        <translation>事業経費</translation>
    </message>
    <message>
        <source>Home office</source>
        <translation>在宅勤務</translation>
    </message>
    <message>
        <source>Education</source>
        <translation>教育</translation>
    </message>
    <message>
        <source>State and local taxes</source>
        <translation>州税・地方税</translation>
    </message>
    <message>
        <source>Mortgage interest</source>
        <translation>住宅ローン利息</translation>
    </message>
    <message>
        <source>Property tax</source>
        <translation>固定資産税</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>収入</translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation>振替</translation>
    </message>
    <message>
        <source>Expense</source>
        <translation>支出</translation>
    </message>
</context>
<context>
    <name>EmptyStatePage</name>
    <message>
        <source>Getting started</source>
        <translation>はじめに</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>口座</translation>
    </message>
    <message>
        <source>Welcome to Tindral Quillon</source>
        <translation>Tindral Quillon へようこそ</translation>
    </message>
    <message>
        <source>Create your first account to get started.</source>
        <translation>まず最初の口座を作成しましょう。</translation>
    </message>
    <message>
        <source>Create Account</source>
        <translation>口座を作成</translation>
    </message>
    <message>
        <source>You can also import transactions from a CSV file via File › Import.</source>
        <translation>[ファイル] › [インポート] から CSV ファイルの取引を取り込むこともできます。</translation>
    </message>
</context>
<context>
    <name>EntryWriter</name>
    <message>
        <source>New Transaction</source>
        <translation>新しい取引</translation>
    </message>
    <message>
        <source>Edit Transaction</source>
        <translation>取引の編集</translation>
    </message>
    <message>
        <source>Mark Cleared</source>
        <translation>確認済みにする</translation>
    </message>
    <message>
        <source>Mark Uncleared</source>
        <translation>未確認にする</translation>
    </message>
    <message>
        <source>Split Transaction</source>
        <translation>取引の分割</translation>
    </message>
    <message>
        <source>Memorize Transaction</source>
        <translation>取引を記憶</translation>
    </message>
</context>
<context>
    <name>HelpMenuActions</name>
    <message>
        <source>About Tindral Quillon</source>
        <translation>Tindral Quillon について</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Tindral Quillon&lt;/h3&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;A digital quillon register for tracking household finances.&lt;/p&gt;&lt;p&gt;&lt;small&gt;This application uses the Qt framework under the GNU LGPL version 3. The source code of Qt is available at &lt;a href=&quot;https://download.qt.io/&quot;&gt;download.qt.io&lt;/a&gt;.&lt;/small&gt;&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Tindral Quillon&lt;/h3&gt;&lt;p&gt;バージョン %1&lt;/p&gt;&lt;p&gt;家計を記録するデジタル出納帳です。&lt;/p&gt;&lt;p&gt;&lt;small&gt;このアプリケーションは GNU LGPL バージョン 3 に基づき Qt フレームワークを使用しています。Qt のソースコードは &lt;a href=&quot;https://download.qt.io/&quot;&gt;download.qt.io&lt;/a&gt; から入手できます。&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>入出金明細</translation>
    </message>
    <message>
        <source>Save transaction</source>
        <translation>取引を保存</translation>
    </message>
    <message>
        <source>Insert new transaction</source>
        <translation>新しい取引を挿入</translation>
    </message>
    <message>
        <source>Delete current transaction</source>
        <translation>選択中の取引を削除</translation>
    </message>
    <message>
        <source>Tab / Shift+Tab</source>
        <translation>Tab / Shift+Tab</translation>
    </message>
    <message>
        <source>Next / previous field</source>
        <translation>次 / 前の項目</translation>
    </message>
    <message>
        <source>&apos; (apostrophe)</source>
        <translation>&apos; (アポストロフィ)</translation>
    </message>
    <message>
        <source>Copy value from field above</source>
        <translation>上の行の値をコピー</translation>
    </message>
    <message>
        <source>Date Field</source>
        <translation>日付欄</translation>
    </message>
    <message>
        <source>t</source>
        <translation>t</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>今日</translation>
    </message>
    <message>
        <source>+ / -</source>
        <translation>+ / -</translation>
    </message>
    <message>
        <source>Next / previous day</source>
        <translation>翌日 / 前日</translation>
    </message>
    <message>
        <source>m / h</source>
        <translation>m / h</translation>
    </message>
    <message>
        <source>First / last day of month</source>
        <translation>月初 / 月末</translation>
    </message>
    <message>
        <source>y / r</source>
        <translation>y / r</translation>
    </message>
    <message>
        <source>First / last day of year</source>
        <translation>年初 / 年末</translation>
    </message>
    <message>
        <source>w / k</source>
        <translation>w / k</translation>
    </message>
    <message>
        <source>First / last day of week</source>
        <translation>週の初日 / 最終日</translation>
    </message>
    <message>
        <source>General</source>
        <translation>全般</translation>
    </message>
    <message>
        <source>Accounts</source>
        <translation>口座</translation>
    </message>
    <message>
        <source>Alt+1 &amp;ndash; Alt+9</source>
        <translation>Alt+1 &amp;ndash; Alt+9</translation>
    </message>
    <message>
        <source>Switch to account 1&amp;ndash;9</source>
        <translation>口座 1&amp;ndash;9 に切り替え</translation>
    </message>
    <message>
        <source>Alt+0</source>
        <translation>Alt+0</translation>
    </message>
    <message>
        <source>Switch to account 10</source>
        <translation>口座 10 に切り替え</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>キーボードショートカット</translation>
    </message>
    <message>
        <source>Tindral Quillon</source>
        <translation>Tindral Quillon</translation>
    </message>
    <message>
        <source>Sample Data</source>
        <translation>サンプルデータ</translation>
    </message>
    <message>
        <source>Sample data is already loaded.</source>
        <translation>サンプルデータはすでに読み込まれています。</translation>
    </message>
    <message>
        <source>Load Sample Data</source>
        <translation>サンプルデータの読み込み</translation>
    </message>
    <message>
        <source>The sample data could not be loaded.</source>
        <translation>サンプルデータを読み込めませんでした。</translation>
    </message>
    <message>
        <source>Nothing was added; your own accounts are unchanged.</source>
        <translation>何も追加されていません。お使いの口座は変更されていません。</translation>
    </message>
    <message>
        <source>Sample data loaded</source>
        <translation>サンプルデータを読み込みました</translation>
    </message>
    <message>
        <source>No sample data to clear.</source>
        <translation>削除するサンプルデータはありません。</translation>
    </message>
    <message>
        <source>Clear Sample Data</source>
        <translation>サンプルデータの削除</translation>
    </message>
    <message>
        <source>The sample data could not be removed.</source>
        <translation>サンプルデータを削除できませんでした。</translation>
    </message>
    <message>
        <source>Nothing was removed. A sample account that holds entries of your own stays until you move or delete them.</source>
        <translation>何も削除されていません。ご自身で入力した取引があるサンプル口座は、それらを移動または削除するまで残ります。</translation>
    </message>
    <message>
        <source>Sample data cleared</source>
        <translation>サンプルデータを削除しました</translation>
    </message>
</context>
<context>
    <name>ImportColumnMapping</name>
    <message>
        <source>CSV Column Mapping:</source>
        <translation>CSV の列の割り当て:</translation>
    </message>
    <message>
        <source>Date column:</source>
        <translation>日付の列:</translation>
    </message>
    <message>
        <source>Date column</source>
        <translation>日付の列</translation>
    </message>
    <message>
        <source>Payee column:</source>
        <translation>取引先の列:</translation>
    </message>
    <message>
        <source>Payee column</source>
        <translation>取引先の列</translation>
    </message>
    <message>
        <source>Amount column:</source>
        <translation>金額の列:</translation>
    </message>
    <message>
        <source>Amount column</source>
        <translation>金額の列</translation>
    </message>
    <message>
        <source>Memo column:</source>
        <translation>メモの列:</translation>
    </message>
    <message>
        <source>Memo column</source>
        <translation>メモの列</translation>
    </message>
    <message>
        <source>Category column:</source>
        <translation>カテゴリの列:</translation>
    </message>
    <message>
        <source>Category column</source>
        <translation>カテゴリの列</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(なし)</translation>
    </message>
    <message>
        <source>Date format</source>
        <translation>日付の形式</translation>
    </message>
    <message>
        <source>Date format:</source>
        <translation>日付の形式:</translation>
    </message>
    <message>
        <source>First row is header</source>
        <translation>1 行目は見出し</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>列 %1</translation>
    </message>
    <message>
        <source>Col %1: %2</source>
        <translation>列 %1: %2</translation>
    </message>
</context>
<context>
    <name>ImportResultPage</name>
    <message>
        <source>Import result</source>
        <translation>インポートの結果</translation>
    </message>
    <message>
        <source>Rows not imported</source>
        <translation>取り込まれなかった行</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
</context>
<context>
    <name>ImportScreen</name>
    <message>
        <source>Import Transactions</source>
        <translation>取引のインポート</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>口座</translation>
    </message>
    <message>
        <source>&amp;Account:</source>
        <translation>口座(&amp;A):</translation>
    </message>
    <message>
        <source>No file selected</source>
        <translation>ファイルが選択されていません</translation>
    </message>
    <message>
        <source>Chosen file</source>
        <translation>選択したファイル</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>参照...</translation>
    </message>
    <message>
        <source>Browse for a file</source>
        <translation>ファイルを参照</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>ファイル:</translation>
    </message>
    <message>
        <source>QIF files carry their own dates, payees and amounts: no column mapping is needed.</source>
        <translation>QIF ファイルには日付・取引先・金額が含まれているため、列の割り当ては不要です。</translation>
    </message>
    <message>
        <source>Preview of the file</source>
        <translation>ファイルのプレビュー</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>インポート</translation>
    </message>
    <message>
        <source>Select File</source>
        <translation>ファイルの選択</translation>
    </message>
    <message>
        <source>The file could not be read: %1</source>
        <translation>ファイルを読み込めませんでした: %1</translation>
    </message>
    <message>
        <source>Col %1</source>
        <translation>列 %1</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>取引先</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>金額</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>メモ</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>(unreadable)</source>
        <translation>(読み取り不可)</translation>
    </message>
    <message>
        <source>Importing transactions...</source>
        <translation>取引をインポートしています...</translation>
    </message>
    <message>
        <source>Import cancelled.

Nothing was imported.</source>
        <translation>インポートはキャンセルされました。

何もインポートされていません。</translation>
    </message>
    <message>
        <source>The database could not be opened for the import.</source>
        <translation>インポート用にデータベースを開けませんでした。</translation>
    </message>
    <message>
        <source>Import failed.

%1

Nothing was imported.</source>
        <translation>インポートに失敗しました。

%1

何もインポートされていません。</translation>
    </message>
    <message>
        <source>Statement account</source>
        <translation>明細の口座</translation>
    </message>
    <message>
        <source>Create the statement&apos;s account</source>
        <translation>明細の口座を作成</translation>
    </message>
    <message>
        <source>Bank Files (*.csv *.qif *.ofx *.qfx *.xml);;CSV Files (*.csv);;QIF Files (*.qif);;OFX and QFX Files (*.ofx *.qfx);;CAMT.053 Statements (*.xml);;All Files (*)</source>
        <translation>銀行ファイル (*.csv *.qif *.ofx *.qfx *.xml);;CSV ファイル (*.csv);;QIF ファイル (*.qif);;OFX/QFX ファイル (*.ofx *.qfx);;CAMT.053 明細 (*.xml);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Bank statements (OFX, QFX, CAMT.053) carry their own dates, payees and amounts: no column mapping is needed.</source>
        <translation>銀行明細 (OFX、QFX、CAMT.053) には日付・支払先・金額が含まれているため、列の対応付けは不要です。</translation>
    </message>
    <message>
        <source>The statement is for account %1: %2 is chosen.</source>
        <translation>この明細は口座 %1 のものです: %2 を選択しました。</translation>
    </message>
    <message>
        <source>The statement is for account %1, which none of your accounts is.</source>
        <translation>この明細は口座 %1 のもので、どの口座にも該当しません。</translation>
    </message>
    <message>
        <source>Create Account %1</source>
        <translation>口座 %1 を作成</translation>
    </message>
    <message>
        <source>Account %1</source>
        <translation>口座 %1</translation>
    </message>
    <message>
        <source>The account could not be created.</source>
        <translation>口座を作成できませんでした。</translation>
    </message>
    <message>
        <source>After Rules</source>
        <translation>ルール適用後</translation>
    </message>
    <message numerus="yes">
        <source>%n linked as transfers to rows in other accounts</source>
        <translation>
            <numerusform>%n 件を他の口座の取引と振替としてリンクしました</numerusform>
        </translation>
    </message>
    <message>
        <source>Bank&apos;s ledger balance %1 on %2: %3
Account balance after import: %4</source>
        <translation>銀行の帳簿残高 %1 (%2): %3
インポート後の口座残高: %4</translation>
    </message>
    <message>
        <source>Import complete!</source>
        <translation>取り込みが完了しました!</translation>
    </message>
    <message numerus="yes">
        <source>%n transaction(s) imported</source>
        <translation>
            <numerusform>%n 件の取引を取り込みました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n duplicate(s) skipped</source>
        <translation>
            <numerusform>%n 件の重複をスキップしました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) could not be read or stored:</source>
        <translation>
            <numerusform>%n 行を読み取れないか保存できませんでした:</numerusform>
        </translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>%1 行目: %2</translation>
    </message>
    <message numerus="yes">
        <source>… and %n more row(s)</source>
        <translation>
            <numerusform>… ほか %n 行</numerusform>
        </translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>不明</translation>
    </message>
</context>
<context>
    <name>ImportService</name>
    <message>
        <source>Its category &quot;%1&quot; could not be created</source>
        <translation>カテゴリ「%1」を作成できませんでした</translation>
    </message>
    <message>
        <source>The database refused it: %1</source>
        <translation>データベースが拒否しました: %1</translation>
    </message>
    <message numerus="yes">
        <source>It has %n column(s), fewer than the columns chosen</source>
        <translation>
            <numerusform>列が %n 個しかなく、選んだ列に足りません</numerusform>
        </translation>
    </message>
    <message>
        <source>The date &quot;%1&quot; cannot be read as %2</source>
        <translation>日付「%1」を %2 として読み取れません</translation>
    </message>
    <message>
        <source>The amount &quot;%1&quot; cannot be read</source>
        <translation>金額「%1」を読み取れません</translation>
    </message>
    <message>
        <source>The date is missing or cannot be read</source>
        <translation>日付がないか、読み取れません</translation>
    </message>
    <message>
        <source>The amount cannot be read</source>
        <translation>金額を読み取れません</translation>
    </message>
    <message>
        <source>no number</source>
        <translation>番号なし</translation>
    </message>
    <message>
        <source>The file holds statements of several accounts (%1). Enter the last four digits of this account&apos;s number in its settings to import its statement alone. Nothing was imported.</source>
        <translation>このファイルには複数の口座の明細が含まれています（%1）。この口座の明細だけを取り込むには、口座の設定で口座番号の下4桁を入力してください。何も取り込まれていません。</translation>
    </message>
    <message>
        <source>The file holds statements of several accounts (%1) and none of them ends in this account&apos;s last four digits, %2. Nothing was imported.</source>
        <translation>このファイルには複数の口座の明細が含まれています（%1）が、この口座の下4桁 %2 で終わるものはありません。何も取り込まれていません。</translation>
    </message>
    <message>
        <source>The file holds statements of several accounts (%1) and more than one ends in this account&apos;s last four digits, %2. Nothing was imported.</source>
        <translation>このファイルには複数の口座の明細が含まれています（%1）が、この口座の下4桁 %2 で終わるものが複数あります。何も取り込まれていません。</translation>
    </message>
    <message numerus="yes">
        <source>Import of %n Transaction(s)</source>
        <translation>
            <numerusform>%n 件の取引のインポート</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LedgerWriter</name>
    <message>
        <source>New Account</source>
        <translation>新しい口座</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>口座の編集</translation>
    </message>
    <message>
        <source>New Transaction</source>
        <translation>新しい取引</translation>
    </message>
    <message>
        <source>Edit Transaction</source>
        <translation>取引の編集</translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation>取引の削除</translation>
    </message>
    <message>
        <source>Delete Account</source>
        <translation>口座の削除</translation>
    </message>
    <message>
        <source>Restore Account</source>
        <translation>口座の復元</translation>
    </message>
    <message>
        <source>Delete Category</source>
        <translation>カテゴリの削除</translation>
    </message>
    <message>
        <source>Split Transaction</source>
        <translation>取引の分割</translation>
    </message>
    <message>
        <source>New Recurring Transaction</source>
        <translation>新しい定期取引</translation>
    </message>
    <message>
        <source>Edit Recurring Transaction</source>
        <translation>定期取引の編集</translation>
    </message>
    <message>
        <source>Delete Recurring Transaction</source>
        <translation>定期取引の削除</translation>
    </message>
    <message>
        <source>New Category</source>
        <translation>新しいカテゴリ</translation>
    </message>
    <message>
        <source>Rename Category</source>
        <translation>カテゴリ名の変更</translation>
    </message>
    <message>
        <source>Merge Payees</source>
        <translation>取引先の統合</translation>
    </message>
    <message>
        <source>Rename Payee</source>
        <translation>取引先名の変更</translation>
    </message>
    <message>
        <source>Set Budget</source>
        <translation>予算を設定</translation>
    </message>
    <message>
        <source>Clear Budget</source>
        <translation>予算を消去</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;New Transaction</source>
        <translation>新しい取引(&amp;N)</translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation>Ctrl+N</translation>
    </message>
    <message>
        <source>New transaction</source>
        <translation>新しい取引</translation>
    </message>
    <message>
        <source>New &amp;Account</source>
        <translation>新しい口座(&amp;A)</translation>
    </message>
    <message>
        <source>Ctrl+Shift+N</source>
        <translation>Ctrl+Shift+N</translation>
    </message>
    <message>
        <source>New account</source>
        <translation>新しい口座</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>インポート(&amp;I)...</translation>
    </message>
    <message>
        <source>Ctrl+I</source>
        <translation>Ctrl+I</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>インポート</translation>
    </message>
    <message>
        <source>Import &amp;Rules...</source>
        <translation>インポートルール(&amp;R)...</translation>
    </message>
    <message>
        <source>&amp;Tindral Account...</source>
        <translation>Tindral アカウント(&amp;T)...</translation>
    </message>
    <message>
        <source>&amp;Sign In...</source>
        <translation>サインイン(&amp;S)...</translation>
    </message>
    <message>
        <source>Sign &amp;Out</source>
        <translation>サインアウト(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>終了(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>元に戻す(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>やり直し(&amp;R)</translation>
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
        <translation>検索(&amp;F)...</translation>
    </message>
    <message>
        <source>Search transactions</source>
        <translation>取引を検索</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>環境設定(&amp;P)...</translation>
    </message>
    <message>
        <source>&amp;Account</source>
        <translation>口座(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>編集(&amp;E)...</translation>
    </message>
    <message>
        <source>&amp;Reconcile...</source>
        <translation>照合(&amp;R)...</translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation>Ctrl+R</translation>
    </message>
    <message>
        <source>Reconcile account</source>
        <translation>口座を照合</translation>
    </message>
    <message>
        <source>Reconciliation &amp;History...</source>
        <translation>照合履歴(&amp;H)...</translation>
    </message>
    <message>
        <source>Rename &amp;Payees...</source>
        <translation>取引先名の変更(&amp;P)...</translation>
    </message>
    <message>
        <source>&amp;Share...</source>
        <translation>共有(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>削除(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>表示(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Reports</source>
        <translation>レポート(&amp;R)</translation>
    </message>
    <message>
        <source>Ctrl+2</source>
        <translation>Ctrl+2</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>レポート</translation>
    </message>
    <message>
        <source>Re&amp;curring Transactions</source>
        <translation>定期取引(&amp;C)</translation>
    </message>
    <message>
        <source>Ctrl+3</source>
        <translation>Ctrl+3</translation>
    </message>
    <message>
        <source>Recurring transactions</source>
        <translation>定期取引</translation>
    </message>
    <message>
        <source>C&amp;ategories</source>
        <translation>カテゴリ(&amp;A)</translation>
    </message>
    <message>
        <source>Ctrl+4</source>
        <translation>Ctrl+4</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>&amp;Budget</source>
        <translation>予算(&amp;B)</translation>
    </message>
    <message>
        <source>Ctrl+5</source>
        <translation>Ctrl+5</translation>
    </message>
    <message>
        <source>Budget</source>
        <translation>予算</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About Tindral Quillon</source>
        <translation>Tindral Quillon について(&amp;A)</translation>
    </message>
    <message>
        <source>What&apos;s &amp;New...</source>
        <translation>新機能(&amp;N)...</translation>
    </message>
    <message>
        <source>Check for &amp;Updates...</source>
        <translation>アップデートを確認(&amp;U)...</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>キーボードショートカット(&amp;K)</translation>
    </message>
    <message>
        <source>Load &amp;Sample Data</source>
        <translation>サンプルデータを読み込む(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Clear Sample Data</source>
        <translation>サンプルデータを削除(&amp;C)</translation>
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
        <translation>ページ</translation>
    </message>
    <message>
        <source>Sidebar and pages</source>
        <translation>サイドバーとページ</translation>
    </message>
    <message>
        <source>Sidebar width</source>
        <translation>サイドバーの幅</translation>
    </message>
    <message numerus="yes">
        <source>Auto-posted %n recurring transaction(s)</source>
        <translation>
            <numerusform>定期取引を %n 件自動記帳しました</numerusform>
        </translation>
    </message>
    <message>
        <source>Select an account first</source>
        <translation>先に口座を選択してください</translation>
    </message>
    <message>
        <source>Sync complete</source>
        <translation>同期が完了しました</translation>
    </message>
    <message>
        <source>Sync failed: %1</source>
        <translation>同期に失敗しました: %1</translation>
    </message>
    <message>
        <source>Signed in successfully</source>
        <translation>サインインしました</translation>
    </message>
    <message>
        <source>Sign-in failed: %1</source>
        <translation>サインインに失敗しました: %1</translation>
    </message>
    <message>
        <source>Not signed in</source>
        <translation>サインインしていません</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>レポート</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>Recurring Transactions</source>
        <translation>定期取引</translation>
    </message>
    <message>
        <source>Search Transactions</source>
        <translation>取引の検索</translation>
    </message>
    <message>
        <source>That transaction no longer exists</source>
        <translation>その取引はすでに存在しません</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>環境設定</translation>
    </message>
    <message>
        <source>Reconciliation History</source>
        <translation>照合履歴</translation>
    </message>
    <message>
        <source>No Accounts</source>
        <translation>口座がありません</translation>
    </message>
    <message>
        <source>You need to create an account before importing transactions. Create one now?</source>
        <translation>取引をインポートする前に口座を作成する必要があります。今すぐ作成しますか?</translation>
    </message>
    <message>
        <source>Import Transactions</source>
        <translation>取引のインポート</translation>
    </message>
    <message>
        <source>Payee Management</source>
        <translation>取引先の管理</translation>
    </message>
    <message>
        <source>Tindral Account</source>
        <translation>Tindral アカウント</translation>
    </message>
    <message>
        <source>Import Rules</source>
        <translation>インポートルール</translation>
    </message>
    <message>
        <source>Budget</source>
        <translation>予算</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>元に戻す(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>やり直し(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>元に戻す: %1(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>やり直し: %1(&amp;R)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>やり直し</translation>
    </message>
    <message>
        <source>Your books were left as they are.</source>
        <translation>帳簿はそのままです。</translation>
    </message>
</context>
<context>
    <name>PayeeMemoEditor</name>
    <message>
        <source>Payee</source>
        <translation>取引先</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>メモ</translation>
    </message>
</context>
<context>
    <name>PayeeScreen</name>
    <message>
        <source>Rename Selected</source>
        <translation>選択項目の名前を変更</translation>
    </message>
    <message>
        <source>Merge Selected</source>
        <translation>選択項目を統合</translation>
    </message>
    <message>
        <source>Payee Management</source>
        <translation>取引先の管理</translation>
    </message>
    <message>
        <source>Payees</source>
        <translation>取引先</translation>
    </message>
    <message>
        <source>Rename to:</source>
        <translation>新しい名前:</translation>
    </message>
    <message>
        <source>Rename to</source>
        <translation>新しい名前</translation>
    </message>
    <message>
        <source>Rename Payees</source>
        <translation>取引先名の変更</translation>
    </message>
    <message>
        <source>The payees could not be renamed.</source>
        <translation>取引先名を変更できませんでした。</translation>
    </message>
    <message>
        <source>Nothing was changed; every transaction keeps its payee.</source>
        <translation>何も変更されていません。各取引の取引先は元のままです。</translation>
    </message>
    <message>
        <source>Rename Complete</source>
        <translation>名前の変更完了</translation>
    </message>
    <message numerus="yes">
        <source>Renamed %n transaction(s).</source>
        <translation>
            <numerusform>%n 件の取引の取引先名を変更しました。</numerusform>
        </translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>統合</translation>
    </message>
    <message>
        <source>Select 2 or more payees to merge.</source>
        <translation>統合する取引先を 2 つ以上選択してください。</translation>
    </message>
    <message>
        <source>Merge Payees</source>
        <translation>取引先の統合</translation>
    </message>
    <message>
        <source>Merge %1 payees into &quot;%2&quot;?</source>
        <translation>%1 件の取引先を「%2」に統合しますか?</translation>
    </message>
    <message>
        <source>Merge Complete</source>
        <translation>統合完了</translation>
    </message>
    <message numerus="yes">
        <source>Merged %n transaction(s).</source>
        <translation>
            <numerusform>%n 件の取引を統合しました。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QCalendarWidget</name>
    <message>
        <source>Calendar</source>
        <translation>カレンダー</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>The server said: %1</source>
        <translation>サーバーからの応答: %1</translation>
    </message>
</context>
<context>
    <name>ReconciliationHistoryScreen</name>
    <message>
        <source>Reconciliation History</source>
        <translation>照合履歴</translation>
    </message>
    <message>
        <source>No reconciliations yet. Reconcile your account from the register to see the history here.</source>
        <translation>照合の記録はまだありません。入出金明細から口座を照合すると、ここに履歴が表示されます。</translation>
    </message>
    <message>
        <source>Past reconciliations for this account.</source>
        <translation>この口座の過去の照合です。</translation>
    </message>
    <message>
        <source>Statement Date</source>
        <translation>明細書の日付</translation>
    </message>
    <message>
        <source>Statement Balance</source>
        <translation>明細書の残高</translation>
    </message>
    <message>
        <source>Reconciled Balance</source>
        <translation>照合済み残高</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>完了日時</translation>
    </message>
    <message>
        <source>Past reconciliations</source>
        <translation>過去の照合</translation>
    </message>
    <message>
        <source>No reconciliations</source>
        <translation>照合の記録なし</translation>
    </message>
    <message>
        <source>Reconciliation History — %1</source>
        <translation>照合履歴 — %1</translation>
    </message>
</context>
<context>
    <name>ReconciliationModel</name>
    <message>
        <source>Ticked</source>
        <translation>チェック済み</translation>
    </message>
    <message>
        <source>Not ticked</source>
        <translation>未チェック</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>取引先</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>金額</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>確認</translation>
    </message>
</context>
<context>
    <name>ReconciliationScreen</name>
    <message>
        <source>Finish Reconciliation</source>
        <translation>照合を完了</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Add Transaction</source>
        <translation>取引を追加</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編集</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Reconcile Account</source>
        <translation>口座の照合</translation>
    </message>
    <message>
        <source>Statement Date:</source>
        <translation>明細書の日付:</translation>
    </message>
    <message>
        <source>Statement date</source>
        <translation>明細書の日付</translation>
    </message>
    <message>
        <source>Statement Balance:</source>
        <translation>明細書の残高:</translation>
    </message>
    <message>
        <source>Statement balance</source>
        <translation>明細書の残高</translation>
    </message>
    <message>
        <source>Unreconciled transactions</source>
        <translation>未照合の取引</translation>
    </message>
    <message>
        <source>Edit selected transaction (F2)</source>
        <translation>選択した取引を編集 (F2)</translation>
    </message>
    <message>
        <source>Edit transaction</source>
        <translation>取引を編集</translation>
    </message>
    <message>
        <source>Delete transaction</source>
        <translation>取引を削除</translation>
    </message>
    <message>
        <source>Space, C or R: tick the current row</source>
        <translation>Space、C、R キー: 現在の行にチェック</translation>
    </message>
    <message>
        <source>Previous Balance</source>
        <translation>前回の残高</translation>
    </message>
    <message>
        <source>Previous balance</source>
        <translation>前回の残高</translation>
    </message>
    <message>
        <source>Cleared Deposits</source>
        <translation>確認済みの入金</translation>
    </message>
    <message>
        <source>Cleared deposits</source>
        <translation>確認済みの入金</translation>
    </message>
    <message>
        <source>Cleared Withdrawals</source>
        <translation>確認済みの出金</translation>
    </message>
    <message>
        <source>Cleared withdrawals</source>
        <translation>確認済みの出金</translation>
    </message>
    <message>
        <source>Cleared Balance</source>
        <translation>確認済み残高</translation>
    </message>
    <message>
        <source>Cleared balance</source>
        <translation>確認済み残高</translation>
    </message>
    <message>
        <source>Statement Balance</source>
        <translation>明細書の残高</translation>
    </message>
    <message>
        <source>Statement balance total</source>
        <translation>明細書の残高合計</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>差額</translation>
    </message>
    <message>
        <source>Cancel reconciliation</source>
        <translation>照合をキャンセル</translation>
    </message>
    <message>
        <source>Reconciliation Complete</source>
        <translation>照合完了</translation>
    </message>
    <message>
        <source>Account reconciled successfully.</source>
        <translation>口座の照合が完了しました。</translation>
    </message>
    <message>
        <source>Transactions Changed</source>
        <translation>取引が変更されました</translation>
    </message>
    <message numerus="yes">
        <source>%n ticked transaction(s) changed since the list was shown. The list now shows them as they are stored; check the difference and finish again.</source>
        <translation>
            <numerusform>一覧の表示後に、チェックした取引のうち %n 件が変更されました。一覧には保存されている内容が表示されています。差額を確認して、もう一度完了してください。</numerusform>
        </translation>
    </message>
    <message>
        <source>The stored transactions no longer add up to the statement balance (a ticked transaction was deleted or changed elsewhere). The list has been reloaded; check the difference and finish again.</source>
        <translation>保存されている取引の合計が明細書の残高と一致しなくなりました (チェックした取引がほかの場所で削除または変更されました)。一覧を読み込み直しました。差額を確認して、もう一度完了してください。</translation>
    </message>
    <message>
        <source>This account no longer exists.</source>
        <translation>この口座はすでに存在しません。</translation>
    </message>
    <message>
        <source>Nothing was recorded.</source>
        <translation>何も記録されていません。</translation>
    </message>
    <message>
        <source>The reconciliation could not be saved.</source>
        <translation>照合を保存できませんでした。</translation>
    </message>
    <message>
        <source>No transaction was marked reconciled and your ticks are kept; you can finish again.</source>
        <translation>照合済みになった取引はなく、チェックはそのまま残っています。もう一度完了できます。</translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation>取引の削除</translation>
    </message>
    <message>
        <source>Delete the transaction for %1?</source>
        <translation>%1 との取引を削除しますか?</translation>
    </message>
    <message>
        <source>This transaction was already deleted elsewhere.</source>
        <translation>この取引はすでにほかの場所で削除されています。</translation>
    </message>
    <message>
        <source>The transaction could not be deleted.</source>
        <translation>取引を削除できませんでした。</translation>
    </message>
    <message>
        <source>It is still in the account.</source>
        <translation>取引は口座に残っています。</translation>
    </message>
    <message>
        <source>Add a transaction (%1)</source>
        <translation>取引を追加 (%1)</translation>
    </message>
    <message>
        <source>Delete selected transaction (%1)</source>
        <translation>選択した取引を削除 (%1)</translation>
    </message>
</context>
<context>
    <name>ReconciliationService</name>
    <message>
        <source>Finish Reconciliation</source>
        <translation>照合を完了</translation>
    </message>
</context>
<context>
    <name>ReconciliationWindows</name>
    <message>
        <source>Reconcile — %1</source>
        <translation>照合 — %1</translation>
    </message>
    <message>
        <source>Edit Transaction</source>
        <translation>取引を編集</translation>
    </message>
    <message>
        <source>This transaction no longer exists.</source>
        <translation>この取引はもう存在しません。</translation>
    </message>
    <message>
        <source>The account named after [Transfer] does not exist.</source>
        <translation>[Transfer] の後に指定した口座は存在しません。</translation>
    </message>
    <message>
        <source>A transfer needs another account.</source>
        <translation>振替には別の口座が必要です。</translation>
    </message>
    <message>
        <source>The transaction was deleted meanwhile.</source>
        <translation>この取引はその間に削除されました。</translation>
    </message>
    <message>
        <source>An existing transaction cannot become a transfer; delete it and enter the transfer as a new transaction.</source>
        <translation>既存の取引を振替に変えることはできません。削除してから、振替を新しい取引として入力してください。</translation>
    </message>
    <message>
        <source>The other side of the transfer is reconciled.</source>
        <translation>振替の相手側は照合済みです。</translation>
    </message>
    <message>
        <source>Nothing was stored.</source>
        <translation>何も保存されていません。</translation>
    </message>
    <message>
        <source>The transaction could not be saved.</source>
        <translation>取引を保存できませんでした。</translation>
    </message>
</context>
<context>
    <name>RecurringFormDialog</name>
    <message>
        <source>New Recurring Transaction</source>
        <translation>新しい定期取引</translation>
    </message>
    <message>
        <source>Edit Recurring Transaction</source>
        <translation>定期取引の編集</translation>
    </message>
    <message>
        <source>Memorize Transaction</source>
        <translation>取引を記憶</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>口座</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>口座:</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>出金</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>入金</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>種類:</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>取引先</translation>
    </message>
    <message>
        <source>Start typing to search payees...</source>
        <translation>入力すると取引先を検索します...</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>取引先:</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>金額</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>金額:</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(なし)</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>カテゴリ:</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>メモ</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>任意</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>メモ:</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>頻度</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>毎日</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>毎週</translation>
    </message>
    <message>
        <source>Bi-weekly</source>
        <translation>隔週</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>毎月</translation>
    </message>
    <message>
        <source>Quarterly</source>
        <translation>四半期ごと</translation>
    </message>
    <message>
        <source>Semi-annual</source>
        <translation>半年ごと</translation>
    </message>
    <message>
        <source>Annual</source>
        <translation>毎年</translation>
    </message>
    <message>
        <source>Frequency:</source>
        <translation>頻度:</translation>
    </message>
    <message>
        <source>Start date</source>
        <translation>開始日</translation>
    </message>
    <message>
        <source>Start Date:</source>
        <translation>開始日:</translation>
    </message>
    <message>
        <source>Next due date</source>
        <translation>次回の期日</translation>
    </message>
    <message>
        <source>The next occurrence to confirm or post</source>
        <translation>次に確認または記帳する回</translation>
    </message>
    <message>
        <source>Next Due:</source>
        <translation>次回の期日:</translation>
    </message>
    <message>
        <source>Has end date</source>
        <translation>終了日あり</translation>
    </message>
    <message>
        <source>End date</source>
        <translation>終了日</translation>
    </message>
    <message>
        <source>End Date:</source>
        <translation>終了日:</translation>
    </message>
    <message>
        <source>Auto-post when due</source>
        <translation>期日に自動記帳</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>有効</translation>
    </message>
    <message>
        <source>Form problem</source>
        <translation>入力内容の問題</translation>
    </message>
    <message>
        <source>Choose an account; create one first if there is none.</source>
        <translation>口座を選択してください。口座がない場合は先に作成してください。</translation>
    </message>
    <message>
        <source>Payee is required.</source>
        <translation>取引先を入力してください。</translation>
    </message>
    <message>
        <source>A transfer cannot go to the account it comes from.</source>
        <translation>振替元と同じ口座には振り替えられません。</translation>
    </message>
    <message>
        <source>The next due date must be after %1, the date of the memorized transaction.</source>
        <translation>次回の期日は、記憶した取引の日付 (%1) より後にしてください。</translation>
    </message>
    <message>
        <source>The next due date must be after %1: the occurrences up to then were posted already.</source>
        <translation>次回の期日は %1 より後にしてください。その日までの分はすでに記帳されています。</translation>
    </message>
    <message>
        <source>The end date is before the next due date, so nothing would ever be posted.</source>
        <translation>終了日が次回の期日より前のため、何も記帳されません。</translation>
    </message>
</context>
<context>
    <name>RecurringModel</name>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>有効</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>無効</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>口座</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>取引先</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>金額</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>頻度</translation>
    </message>
    <message>
        <source>Next Due</source>
        <translation>次回の期日</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>毎日</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>毎週</translation>
    </message>
    <message>
        <source>Bi-weekly</source>
        <translation>隔週</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>毎月</translation>
    </message>
    <message>
        <source>Quarterly</source>
        <translation>四半期ごと</translation>
    </message>
    <message>
        <source>Semi-annual</source>
        <translation>半年ごと</translation>
    </message>
    <message>
        <source>Annual</source>
        <translation>毎年</translation>
    </message>
</context>
<context>
    <name>RecurringScreen</name>
    <message>
        <source>Confirm All Due</source>
        <translation>期日の来た取引をすべて確認</translation>
    </message>
    <message>
        <source>New Recurring</source>
        <translation>新しい定期取引</translation>
    </message>
    <message>
        <source>Recurring Transactions</source>
        <translation>定期取引</translation>
    </message>
    <message>
        <source>Due recurring transactions</source>
        <translation>期日の来た定期取引</translation>
    </message>
    <message>
        <source>Recurring transactions</source>
        <translation>定期取引</translation>
    </message>
    <message>
        <source>(%1 due)</source>
        <translation>(期日 %1 件)</translation>
    </message>
    <message>
        <source>This recurring transaction was deleted meanwhile.</source>
        <translation>この定期取引はその間に削除されました。</translation>
    </message>
    <message>
        <source>Nothing was changed.</source>
        <translation>何も変更されていません。</translation>
    </message>
    <message>
        <source>This recurring transaction was changed meanwhile, perhaps in another window or by a sync.</source>
        <translation>この定期取引はその間に変更されました。別のウィンドウか同期で変更された可能性があります。</translation>
    </message>
    <message>
        <source>Nothing was changed; the list now shows it as it is stored.</source>
        <translation>何も変更されていません。一覧には保存されている内容が表示されています。</translation>
    </message>
    <message numerus="yes">
        <source>%n due recurring transaction(s) could not be posted.</source>
        <translation>
            <numerusform>期日の来た定期取引 %n 件を記帳できませんでした。</numerusform>
        </translation>
    </message>
    <message>
        <source>Those rules were left as they were; the others were posted.</source>
        <translation>それらの定期取引は元のままです。ほかの定期取引は記帳されました。</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>確認</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be posted. The occurrence may have been posted already, or its date or account is no longer valid.</source>
        <translation>「%1」を記帳できませんでした。すでに記帳済みか、日付または口座が無効になっている可能性があります。</translation>
    </message>
    <message>
        <source>Nothing was posted and the rule was not advanced.</source>
        <translation>何も記帳されておらず、次回の期日も進んでいません。</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>スキップ</translation>
    </message>
    <message>
        <source>The occurrence of &quot;%1&quot; could not be skipped.</source>
        <translation>「%1」の今回分をスキップできませんでした。</translation>
    </message>
    <message>
        <source>The rule keeps its next due date.</source>
        <translation>次回の期日は変わりません。</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Delete recurring &quot;%1&quot;?</source>
        <translation>定期取引「%1」を削除しますか?</translation>
    </message>
    <message>
        <source>The recurring transaction &quot;%1&quot; could not be deleted.</source>
        <translation>定期取引「%1」を削除できませんでした。</translation>
    </message>
    <message>
        <source>It is still in the list.</source>
        <translation>一覧に残っています。</translation>
    </message>
    <message>
        <source>The recurring transaction could not be saved.</source>
        <translation>定期取引を保存できませんでした。</translation>
    </message>
    <message>
        <source>Nothing was added.</source>
        <translation>何も追加されていません。</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編集</translation>
    </message>
    <message>
        <source>This recurring transaction was changed or deleted while the form was open.</source>
        <translation>フォームを開いている間に、この定期取引が変更または削除されました。</translation>
    </message>
    <message>
        <source>Your changes were not saved; the list now shows it as it is stored.</source>
        <translation>変更は保存されていません。一覧には保存されている内容が表示されています。</translation>
    </message>
    <message>
        <source>The changes could not be saved.</source>
        <translation>変更を保存できませんでした。</translation>
    </message>
    <message>
        <source>The recurring transaction keeps its previous details.</source>
        <translation>定期取引の内容は変更前のままです。</translation>
    </message>
    <message>
        <source>Recurring transaction actions</source>
        <translation>定期取引の操作</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Confirm</source>
        <translation>確認(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation>スキップ(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>削除(&amp;D)</translation>
    </message>
    <message>
        <source>No recurring transactions yet. Create one with New Recurring, or select a row in a register and press %1 to memorize it.</source>
        <translation>定期取引はまだありません。[新しい定期取引] で作成するか、入出金明細で行を選んで %1 を押すと記憶できます。</translation>
    </message>
</context>
<context>
    <name>RecurringService</name>
    <message>
        <source>Skip Recurring Transaction</source>
        <translation>定期取引をスキップ</translation>
    </message>
    <message>
        <source>Confirm Recurring Transaction</source>
        <translation>定期取引を確定</translation>
    </message>
    <message>
        <source>Confirm Due Recurring Transactions</source>
        <translation>期日の定期取引を確定</translation>
    </message>
</context>
<context>
    <name>RegisterEntry</name>
    <message>
        <source>Payee is required</source>
        <translation>取引先を入力してください</translation>
    </message>
    <message>
        <source>Enter a payment or deposit amount</source>
        <translation>出金額または入金額を入力してください</translation>
    </message>
    <message>
        <source>Cannot read the amount &quot;%1&quot;; type it like %2</source>
        <translation>金額「%1」を読み取れません。%2 の形式で入力してください</translation>
    </message>
    <message>
        <source>No category &quot;%1&quot;; choose one from the list</source>
        <translation>カテゴリ「%1」はありません。一覧から選択してください</translation>
    </message>
    <message>
        <source>Transfer account not found</source>
        <translation>振替先の口座が見つかりません</translation>
    </message>
    <message>
        <source>A transfer needs another account</source>
        <translation>振替には別の口座が必要です</translation>
    </message>
    <message>
        <source>This transaction no longer exists</source>
        <translation>この取引はすでに存在しません</translation>
    </message>
    <message>
        <source>An existing transaction cannot become a transfer; delete it and enter the transfer as a new transaction</source>
        <translation>既存の取引を振替に変更することはできません。削除してから、振替を新しい取引として入力してください</translation>
    </message>
    <message>
        <source>Not saved: the other side of the transfer is reconciled</source>
        <translation>保存されていません: 振替の相手側は照合済みです</translation>
    </message>
    <message>
        <source>Could not save the transaction</source>
        <translation>取引を保存できませんでした</translation>
    </message>
</context>
<context>
    <name>RegisterKeyboard</name>
    <message>
        <source>No category &quot;%1&quot;; choose one from the list</source>
        <translation>カテゴリ「%1」はありません。一覧から選択してください</translation>
    </message>
    <message>
        <source>Press Escape again to discard the row</source>
        <translation>もう一度 Esc キーを押すと行を破棄します</translation>
    </message>
    <message>
        <source>Row discarded</source>
        <translation>行を破棄しました</translation>
    </message>
</context>
<context>
    <name>RegisterModel</name>
    <message>
        <source>(split)</source>
        <translation>(分割)</translation>
    </message>
    <message>
        <source>The opening balance is the account&apos;s starting balance; change it with Account &gt; Edit.</source>
        <translation>繰越残高は口座の開始残高です。[口座] &gt; [編集] で変更できます。</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Chk #</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Payee / Memo</source>
        <translation>取引先 / メモ</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>取引先</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>メモ</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>出金</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>入金</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>確認</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>残高</translation>
    </message>
</context>
<context>
    <name>RegisterRowActions</name>
    <message>
        <source>Transaction saved</source>
        <translation>取引を保存しました</translation>
    </message>
    <message>
        <source>The opening balance comes from the account&apos;s starting balance; it cannot be memorized.</source>
        <translation>開始残高は口座の初期残高から作られるため、定期取引として記憶できません。</translation>
    </message>
    <message>
        <source>Cannot memorize: source transaction has an invalid date</source>
        <translation>記憶できません: 元の取引の日付が無効です</translation>
    </message>
    <message>
        <source>Could not memorize the transaction</source>
        <translation>取引を記憶できませんでした</translation>
    </message>
    <message>
        <source>Transaction memorized as recurring</source>
        <translation>取引を定期取引として記憶しました</translation>
    </message>
    <message>
        <source>Could not save the split</source>
        <translation>分割を保存できませんでした</translation>
    </message>
    <message>
        <source>Split saved</source>
        <translation>分割を保存しました</translation>
    </message>
    <message>
        <source>The opening balance comes from the account&apos;s starting balance; change it with Account &gt; Edit.</source>
        <translation>繰越残高は口座の開始残高から取られます。[口座] &gt; [編集] で変更できます。</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot; for %2?</source>
        <translation>「%1」(%2) を削除しますか?</translation>
    </message>
    <message>
        <source>Delete transfer &quot;%1&quot; for %2?

Both sides of the transfer will be deleted.</source>
        <translation>振替「%1」(%2) を削除しますか?

振替の両方の口座の取引が削除されます。</translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation>取引の削除</translation>
    </message>
    <message>
        <source>Could not delete the transaction</source>
        <translation>取引を削除できませんでした</translation>
    </message>
    <message>
        <source>&amp;Insert New (%1)</source>
        <translation>新しい行を挿入(&amp;I) (%1)</translation>
    </message>
    <message>
        <source>&amp;New Transaction... (%1)</source>
        <translation>新しい取引(&amp;N)... (%1)</translation>
    </message>
    <message>
        <source>Mark &amp;Uncleared</source>
        <translation>未確認に戻す(&amp;U)</translation>
    </message>
    <message>
        <source>Mark &amp;Cleared</source>
        <translation>確認済みにする(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>編集(&amp;E)...</translation>
    </message>
    <message>
        <source>S&amp;plit...</source>
        <translation>分割(&amp;P)...</translation>
    </message>
    <message>
        <source>&amp;Delete (%1)</source>
        <translation>削除(&amp;D) (%1)</translation>
    </message>
    <message>
        <source>Create &amp;Rule from This Payee...</source>
        <translation>この支払先からルールを作成(&amp;R)...</translation>
    </message>
</context>
<context>
    <name>RegisterSaveFlow</name>
    <message>
        <source>Reconciled Transfer</source>
        <translation>照合済みの振替</translation>
    </message>
    <message>
        <source>The other side of this transfer, in &quot;%1&quot;, is reconciled.

Change it there too?</source>
        <translation>この振替の相手側（「%1」）は照合済みです。

相手側も変更しますか？</translation>
    </message>
    <message>
        <source>Split No Longer Adds Up</source>
        <translation>分割の合計が一致しません</translation>
    </message>
    <message>
        <source>This transaction is split, and its amount changed. Split the new amount again?</source>
        <translation>この取引は分割されていますが、金額が変わりました。新しい金額をもう一度分割しますか?</translation>
    </message>
    <message>
        <source>Split Again</source>
        <translation>再分割</translation>
    </message>
    <message>
        <source>Remove Split</source>
        <translation>分割を解除</translation>
    </message>
    <message>
        <source>Not saved: the split still needs dividing</source>
        <translation>保存されていません: 分割がまだ完了していません</translation>
    </message>
</context>
<context>
    <name>RegisterScreen</name>
    <message>
        <source>Reconcile</source>
        <translation>照合</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>入出金明細</translation>
    </message>
    <message>
        <source>Ending balance</source>
        <translation>期末残高</translation>
    </message>
    <message>
        <source>Transactions</source>
        <translation>取引</translation>
    </message>
    <message>
        <source>Register message</source>
        <translation>入出金明細のメッセージ</translation>
    </message>
    <message>
        <source>Unsaved Transaction</source>
        <translation>未保存の取引</translation>
    </message>
    <message>
        <source>Save the transaction you were typing?</source>
        <translation>入力中の取引を保存しますか?</translation>
    </message>
    <message>
        <source>The opening balance comes from the account&apos;s starting balance; change it with Account &gt; Edit.</source>
        <translation>繰越残高は口座の開始残高から取られます。[口座] &gt; [編集] で変更できます。</translation>
    </message>
    <message>
        <source>Transaction saved</source>
        <translation>取引を保存しました</translation>
    </message>
    <message>
        <source>Fields cleared</source>
        <translation>入力内容を消去しました</translation>
    </message>
    <message>
        <source>Reconcile account</source>
        <translation>口座を照合</translation>
    </message>
    <message>
        <source>%1: save  |  Enter: next  |  %2: delete  |  %3: memorize  |  &apos;: copy above</source>
        <translation>%1: 保存  |  Enter: 次へ  |  %2: 削除  |  %3: 記憶  |  &apos;: 上の行をコピー</translation>
    </message>
</context>
<context>
    <name>ReportCharts</name>
    <message numerus="yes">
        <source>%n other categories</source>
        <translation>
            <numerusform>その他 %n カテゴリ</numerusform>
        </translation>
    </message>
    <message>
        <source>Spent</source>
        <translation>支出額</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>収入</translation>
    </message>
    <message>
        <source>Expenses</source>
        <translation>支出</translation>
    </message>
    <message>
        <source>Net</source>
        <translation>収支</translation>
    </message>
    <message>
        <source>Budget and carried in</source>
        <translation>予算と繰越</translation>
    </message>
</context>
<context>
    <name>ReportColumns</name>
    <message>
        <source>Category</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>合計</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>取引先</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>件数</translation>
    </message>
    <message>
        <source>Tax Code</source>
        <translation>税区分</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>月</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>収入</translation>
    </message>
    <message>
        <source>Expenses</source>
        <translation>支出</translation>
    </message>
    <message>
        <source>Net</source>
        <translation>収支</translation>
    </message>
    <message>
        <source>Period 1</source>
        <translation>期間 1</translation>
    </message>
    <message>
        <source>Period 2</source>
        <translation>期間 2</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>差額</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>口座</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>確認済み</translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation>未確認</translation>
    </message>
    <message>
        <source>Budget</source>
        <translation>予算</translation>
    </message>
    <message>
        <source>Carried In</source>
        <translation>繰越</translation>
    </message>
    <message>
        <source>Spent</source>
        <translation>支出</translation>
    </message>
    <message>
        <source>Remaining</source>
        <translation>残り</translation>
    </message>
</context>
<context>
    <name>ReportExport</name>
    <message>
        <source>Export CSV</source>
        <translation>CSV をエクスポート</translation>
    </message>
    <message>
        <source>There is nothing to export: this report has no rows for the chosen account and period.</source>
        <translation>エクスポートするものがありません。選択した口座と期間では、このレポートに行がありません。</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>CSV ファイル (*.csv)</translation>
    </message>
    <message>
        <source>The report could not be saved to %1: %2</source>
        <translation>レポートを %1 に保存できませんでした: %2</translation>
    </message>
    <message>
        <source>No file was written; a file already there is unchanged.</source>
        <translation>ファイルは書き込まれていません。既存のファイルは変更されていません。</translation>
    </message>
</context>
<context>
    <name>ReportFiller</name>
    <message>
        <source>Currency</source>
        <translation>通貨</translation>
    </message>
    <message>
        <source>Period 1</source>
        <translation>期間 1</translation>
    </message>
    <message>
        <source>Period 2</source>
        <translation>期間 2</translation>
    </message>
    <message>
        <source>Budgets of %1</source>
        <translation>%1 の予算</translation>
    </message>
    <message>
        <source>Budgets of the whole months %1 – %2</source>
        <translation>%1 – %2 の各月全体の予算</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>合計</translation>
    </message>
</context>
<context>
    <name>ReportPeriods</name>
    <message>
        <source>This Month</source>
        <translation>今月</translation>
    </message>
    <message>
        <source>Last Month</source>
        <translation>先月</translation>
    </message>
    <message>
        <source>This Quarter</source>
        <translation>今四半期</translation>
    </message>
    <message>
        <source>Last Quarter</source>
        <translation>前四半期</translation>
    </message>
    <message>
        <source>This Year</source>
        <translation>今年</translation>
    </message>
    <message>
        <source>Last Year</source>
        <translation>昨年</translation>
    </message>
    <message>
        <source>Last 30 Days</source>
        <translation>過去 30 日</translation>
    </message>
    <message>
        <source>Last 90 Days</source>
        <translation>過去 90 日</translation>
    </message>
    <message>
        <source>Last 12 Months</source>
        <translation>過去 12 か月</translation>
    </message>
    <message>
        <source>All Time</source>
        <translation>全期間</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>カスタム</translation>
    </message>
    <message>
        <source>This Year vs Last Year</source>
        <translation>今年と昨年</translation>
    </message>
    <message>
        <source>Last Year vs Year Before</source>
        <translation>昨年と一昨年</translation>
    </message>
    <message>
        <source>This Quarter vs Last Quarter</source>
        <translation>今四半期と前四半期</translation>
    </message>
</context>
<context>
    <name>ReportService</name>
    <message>
        <source>Uncategorized</source>
        <translation>未分類</translation>
    </message>
</context>
<context>
    <name>ReportsScreen</name>
    <message>
        <source>Reports</source>
        <translation>レポート</translation>
    </message>
    <message>
        <source>Report problem</source>
        <translation>レポートの問題</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>レポート</translation>
    </message>
    <message>
        <source>Category Spending</source>
        <translation>カテゴリ別支出</translation>
    </message>
    <message>
        <source>Payee Summary</source>
        <translation>取引先別集計</translation>
    </message>
    <message>
        <source>Tax Report</source>
        <translation>税務レポート</translation>
    </message>
    <message>
        <source>Cash Flow</source>
        <translation>キャッシュフロー</translation>
    </message>
    <message>
        <source>Year-over-Year</source>
        <translation>前年比較</translation>
    </message>
    <message>
        <source>Account Summary</source>
        <translation>口座サマリー</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>口座</translation>
    </message>
    <message>
        <source>%1 chart</source>
        <translation>%1 のグラフ</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>口座:</translation>
    </message>
    <message>
        <source>Period:</source>
        <translation>期間:</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>期間</translation>
    </message>
    <message>
        <source>Period dates</source>
        <translation>期間の日付</translation>
    </message>
    <message>
        <source>From</source>
        <translation>開始日</translation>
    </message>
    <message>
        <source>To</source>
        <translation>終了日</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV をエクスポート</translation>
    </message>
    <message>
        <source>Compare:</source>
        <translation>比較:</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>比較</translation>
    </message>
    <message>
        <source>Compared periods</source>
        <translation>比較する期間</translation>
    </message>
    <message>
        <source>Period 1 from</source>
        <translation>期間 1 の開始日</translation>
    </message>
    <message>
        <source>Period 1 to</source>
        <translation>期間 1 の終了日</translation>
    </message>
    <message>
        <source>Period 2 from</source>
        <translation>期間 2 の開始日</translation>
    </message>
    <message>
        <source>Period 2 to</source>
        <translation>期間 2 の終了日</translation>
    </message>
    <message>
        <source>P1:</source>
        <translation>期間 1:</translation>
    </message>
    <message>
        <source>P2:</source>
        <translation>期間 2:</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>P1: %1 – %2    P2: %3 – %4</source>
        <translation>期間 1: %1 – %2    期間 2: %3 – %4</translation>
    </message>
    <message>
        <source>All Accounts</source>
        <translation>すべての口座</translation>
    </message>
    <message>
        <source>This report could not be read, so the table may be incomplete.</source>
        <translation>このレポートを読み込めなかったため、表が不完全な可能性があります。</translation>
    </message>
    <message>
        <source>Budget</source>
        <translation>予算</translation>
    </message>
    <message>
        <source>Budgeted months</source>
        <translation>予算の対象月</translation>
    </message>
</context>
<context>
    <name>RuleFormDialog</name>
    <message>
        <source>Edit Rule</source>
        <translation>ルールの編集</translation>
    </message>
    <message>
        <source>New Rule</source>
        <translation>新しいルール</translation>
    </message>
    <message>
        <source>How the payee is compared</source>
        <translation>支払先の比較方法</translation>
    </message>
    <message>
        <source>Payee contains</source>
        <translation>支払先が次を含む</translation>
    </message>
    <message>
        <source>Payee is</source>
        <translation>支払先が次と一致</translation>
    </message>
    <message>
        <source>Payee starts with</source>
        <translation>支払先が次で始まる</translation>
    </message>
    <message>
        <source>&amp;Match:</source>
        <translation>比較(&amp;M):</translation>
    </message>
    <message>
        <source>&amp;Text:</source>
        <translation>テキスト(&amp;T):</translation>
    </message>
    <message>
        <source>Payee text</source>
        <translation>支払先のテキスト</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>口座</translation>
    </message>
    <message>
        <source>(any account)</source>
        <translation>(すべての口座)</translation>
    </message>
    <message>
        <source>&amp;Account:</source>
        <translation>口座(&amp;A):</translation>
    </message>
    <message>
        <source>Amount &amp;from:</source>
        <translation>金額の下限(&amp;F):</translation>
    </message>
    <message>
        <source>Smallest amount</source>
        <translation>最小金額</translation>
    </message>
    <message>
        <source>Amount t&amp;o:</source>
        <translation>金額の上限(&amp;O):</translation>
    </message>
    <message>
        <source>Largest amount</source>
        <translation>最大金額</translation>
    </message>
    <message>
        <source>any</source>
        <translation>指定なし</translation>
    </message>
    <message>
        <source>Show &amp;payee as:</source>
        <translation>表示する支払先(&amp;P):</translation>
    </message>
    <message>
        <source>Payee to show</source>
        <translation>表示する支払先</translation>
    </message>
    <message>
        <source>Category to set</source>
        <translation>設定するカテゴリ</translation>
    </message>
    <message>
        <source>(leave as it is)</source>
        <translation>(変更しない)</translation>
    </message>
    <message>
        <source>Set &amp;category:</source>
        <translation>カテゴリを設定(&amp;C):</translation>
    </message>
    <message>
        <source>Set m&amp;emo:</source>
        <translation>メモを設定(&amp;E):</translation>
    </message>
    <message>
        <source>Memo to set</source>
        <translation>設定するメモ</translation>
    </message>
    <message>
        <source>Enter the payee text the rule looks for.</source>
        <translation>ルールが探す支払先のテキストを入力してください。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an amount.</source>
        <translation>「%1」は金額ではありません。</translation>
    </message>
    <message>
        <source>The smallest amount is larger than the largest.</source>
        <translation>最小金額が最大金額より大きくなっています。</translation>
    </message>
    <message>
        <source>Choose what the rule sets: a payee, a category or a memo.</source>
        <translation>ルールで設定する項目 (支払先、カテゴリ、メモ) を選んでください。</translation>
    </message>
</context>
<context>
    <name>RulesScreen</name>
    <message>
        <source>Import Rules</source>
        <translation>インポートルール</translation>
    </message>
    <message>
        <source>Rules rename payees and set categories and memos as transactions are imported. They are tried from the top; for each of payee, category and memo the first matching rule that sets it wins.</source>
        <translation>ルールは取引のインポート時に支払先の名前を変え、カテゴリとメモを設定します。上から順に試され、支払先・カテゴリ・メモのそれぞれについて、それを設定する最初に一致したルールが優先されます。</translation>
    </message>
    <message>
        <source>Import rules</source>
        <translation>インポートルール</translation>
    </message>
    <message>
        <source>When the payee</source>
        <translation>支払先の条件</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>金額</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>口座</translation>
    </message>
    <message>
        <source>Show payee as</source>
        <translation>表示する支払先</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>メモ</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>追加(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>編集(&amp;E)...</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>上へ(&amp;U)</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>下へ(&amp;D)</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation>削除(&amp;L)</translation>
    </message>
    <message>
        <source>is &quot;%1&quot;</source>
        <translation>「%1」と一致</translation>
    </message>
    <message>
        <source>starts with &quot;%1&quot;</source>
        <translation>「%1」で始まる</translation>
    </message>
    <message>
        <source>contains &quot;%1&quot;</source>
        <translation>「%1」を含む</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 ～ %2</translation>
    </message>
    <message>
        <source>any</source>
        <translation>指定なし</translation>
    </message>
    <message>
        <source>any account</source>
        <translation>すべての口座</translation>
    </message>
    <message>
        <source>Delete Rule</source>
        <translation>ルールを削除</translation>
    </message>
    <message>
        <source>Delete the rule for &quot;%1&quot;?</source>
        <translation>「%1」のルールを削除しますか？</translation>
    </message>
</context>
<context>
    <name>SampleDataService</name>
    <message>
        <source>Main Checking</source>
        <translation>メイン口座</translation>
    </message>
    <message>
        <source>Riverbend Credit Union</source>
        <translation>川辺信用金庫</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>貯蓄口座</translation>
    </message>
    <message>
        <source>Visa Rewards</source>
        <translation>Visa ポイントカード</translation>
    </message>
    <message>
        <source>Summit Bank</source>
        <translation>山頂銀行</translation>
    </message>
    <message>
        <source>Brightpath Inc</source>
        <translation>明道株式会社</translation>
    </message>
    <message>
        <source>Biweekly paycheck</source>
        <translation>給与 (隔週)</translation>
    </message>
    <message>
        <source>Pinecrest Apartments</source>
        <translation>松ヶ丘レジデンス</translation>
    </message>
    <message>
        <source>February rent</source>
        <translation>2 月分家賃</translation>
    </message>
    <message>
        <source>Greenleaf Market</source>
        <translation>青葉マーケット</translation>
    </message>
    <message>
        <source>Weekly groceries</source>
        <translation>週の食料品</translation>
    </message>
    <message>
        <source>Streamly</source>
        <translation>Streamly</translation>
    </message>
    <message>
        <source>Monthly subscription</source>
        <translation>月額料金</translation>
    </message>
    <message>
        <source>Lakeside Utilities</source>
        <translation>湖畔電力</translation>
    </message>
    <message>
        <source>Electric bill</source>
        <translation>電気料金</translation>
    </message>
    <message>
        <source>QuickFuel</source>
        <translation>QuickFuel</translation>
    </message>
    <message>
        <source>Fuel</source>
        <translation>給油</translation>
    </message>
    <message>
        <source>Fiberlink</source>
        <translation>Fiberlink</translation>
    </message>
    <message>
        <source>Internet service</source>
        <translation>インターネット料金</translation>
    </message>
    <message>
        <source>Corner Bistro</source>
        <translation>街角ビストロ</translation>
    </message>
    <message>
        <source>Dinner</source>
        <translation>夕食</translation>
    </message>
    <message>
        <source>Shieldline Insurance</source>
        <translation>盾印損害保険</translation>
    </message>
    <message>
        <source>Auto insurance premium</source>
        <translation>自動車保険料</translation>
    </message>
    <message>
        <source>Wellway Pharmacy</source>
        <translation>健やか薬局</translation>
    </message>
    <message>
        <source>Prescription</source>
        <translation>処方薬</translation>
    </message>
    <message>
        <source>Hope Community Church</source>
        <translation>希望コミュニティ教会</translation>
    </message>
    <message>
        <source>Monthly donation</source>
        <translation>毎月の寄付</translation>
    </message>
    <message>
        <source>March rent</source>
        <translation>3 月分家賃</translation>
    </message>
    <message>
        <source>Lunch</source>
        <translation>昼食</translation>
    </message>
    <message>
        <source>Pharmacy</source>
        <translation>薬局</translation>
    </message>
    <message>
        <source>Interest payment</source>
        <translation>利息</translation>
    </message>
    <message>
        <source>Dash Delivery</source>
        <translation>Dash デリバリー</translation>
    </message>
    <message>
        <source>Food delivery</source>
        <translation>フードデリバリー</translation>
    </message>
    <message>
        <source>Stellar Coffee</source>
        <translation>Stellar Coffee</translation>
    </message>
    <message>
        <source>Coffee</source>
        <translation>コーヒー</translation>
    </message>
    <message>
        <source>Gadget World</source>
        <translation>ガジェットワールド</translation>
    </message>
    <message>
        <source>USB-C charger</source>
        <translation>USB-C 充電器</translation>
    </message>
    <message>
        <source>CloudWatch Plus</source>
        <translation>CloudWatch Plus</translation>
    </message>
    <message>
        <source>Cloud storage</source>
        <translation>クラウドストレージ</translation>
    </message>
    <message>
        <source>Payment - Thank You</source>
        <translation>お支払い - ありがとうございました</translation>
    </message>
    <message>
        <source>Credit card payment</source>
        <translation>カード代金の支払い</translation>
    </message>
    <message>
        <source>TechVault</source>
        <translation>TechVault</translation>
    </message>
    <message>
        <source>Wireless headphones</source>
        <translation>ワイヤレスヘッドホン</translation>
    </message>
    <message>
        <source>BookNest Online</source>
        <translation>ブックネスト オンライン</translation>
    </message>
    <message>
        <source>Programming books</source>
        <translation>プログラミングの本</translation>
    </message>
    <message>
        <source>Monthly rent</source>
        <translation>毎月の家賃</translation>
    </message>
    <message>
        <source>Transfer to Savings</source>
        <translation>貯蓄口座へ振替</translation>
    </message>
    <message>
        <source>Monthly savings</source>
        <translation>毎月の積立</translation>
    </message>
    <message>
        <source>Transfer from Checking</source>
        <translation>メイン口座から振替</translation>
    </message>
</context>
<context>
    <name>SearchResultsModel</name>
    <message>
        <source>Account</source>
        <translation>口座</translation>
    </message>
</context>
<context>
    <name>SearchScreen</name>
    <message>
        <source>Date range:</source>
        <translation>期間:</translation>
    </message>
    <message>
        <source>From date</source>
        <translation>開始日</translation>
    </message>
    <message>
        <source>To date</source>
        <translation>終了日</translation>
    </message>
    <message>
        <source>Cleared only</source>
        <translation>確認済みのみ</translation>
    </message>
    <message>
        <source>Search Transactions</source>
        <translation>取引の検索</translation>
    </message>
    <message>
        <source>Search payee, memo, check number...</source>
        <translation>取引先、メモ、小切手番号で検索...</translation>
    </message>
    <message>
        <source>Search text</source>
        <translation>検索する文字列</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>口座:</translation>
    </message>
    <message>
        <source>Account filter</source>
        <translation>口座の絞り込み</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>カテゴリ:</translation>
    </message>
    <message>
        <source>Category filter</source>
        <translation>カテゴリの絞り込み</translation>
    </message>
    <message>
        <source>Date range</source>
        <translation>期間</translation>
    </message>
    <message>
        <source>to</source>
        <translation>～</translation>
    </message>
    <message>
        <source>Search results</source>
        <translation>検索結果</translation>
    </message>
    <message>
        <source>All Accounts</source>
        <translation>すべての口座</translation>
    </message>
    <message>
        <source>All Categories</source>
        <translation>すべてのカテゴリ</translation>
    </message>
</context>
<context>
    <name>SettingsAboutPage</name>
    <message>
        <source>About</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>Tindral Quillon</source>
        <translation>Tindral Quillon</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>バージョン %1</translation>
    </message>
    <message>
        <source>A digital quillon register for tracking household finances: accounts, transfers, recurring entries, reconciliation, reports and backups, kept in one file on this computer and synchronised between your devices when you sign in.</source>
        <translation>家計を記録するデジタル出納帳です。口座、振替、定期取引、照合、レポート、バックアップを、このパソコンの 1 つのファイルに保存し、サインインするとデバイス間で同期します。</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;https://tindral.example/quillon&quot;&gt;Website&lt;/a&gt; · &lt;a href=&quot;https://tindral.example/quillon/help&quot;&gt;Help&lt;/a&gt; · &lt;a href=&quot;https://tindral.example/privacy&quot;&gt;Privacy&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;https://tindral.example/quillon&quot;&gt;Web サイト&lt;/a&gt; · &lt;a href=&quot;https://tindral.example/quillon/help&quot;&gt;ヘルプ&lt;/a&gt; · &lt;a href=&quot;https://tindral.example/privacy&quot;&gt;プライバシー&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>リンク</translation>
    </message>
    <message>
        <source>This application uses the Qt framework under the GNU LGPL version 3.</source>
        <translation>このアプリケーションは GNU LGPL バージョン 3 に基づき Qt フレームワークを使用しています。</translation>
    </message>
</context>
<context>
    <name>SettingsDataPage</name>
    <message>
        <source>Data &amp; Sync</source>
        <translation>データと同期</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>同期</translation>
    </message>
    <message>
        <source>Keep your quillon in sync across all your devices.</source>
        <translation>すべてのデバイスで出納帳を同期します。</translation>
    </message>
    <message>
        <source>Account status</source>
        <translation>アカウントの状態</translation>
    </message>
    <message>
        <source>Last synced</source>
        <translation>前回の同期</translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation>今すぐ同期</translation>
    </message>
    <message>
        <source>Force Full Sync</source>
        <translation>完全同期を実行</translation>
    </message>
    <message>
        <source>Backup &amp; Restore</source>
        <translation>バックアップと復元</translation>
    </message>
    <message>
        <source>Save or restore your data to a portable backup file.</source>
        <translation>データをバックアップファイルに保存したり、そこから復元したりします。</translation>
    </message>
    <message>
        <source>Export Backup</source>
        <translation>バックアップをエクスポート</translation>
    </message>
    <message>
        <source>Import Backup</source>
        <translation>バックアップをインポート</translation>
    </message>
    <message>
        <source>Deleted Accounts</source>
        <translation>削除した口座</translation>
    </message>
    <message>
        <source>Accounts you&apos;ve deleted can be restored here.</source>
        <translation>削除した口座をここで復元できます。</translation>
    </message>
    <message>
        <source>Deleted accounts</source>
        <translation>削除した口座</translation>
    </message>
    <message>
        <source>Restore Selected</source>
        <translation>選択した口座を復元</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>同期中...</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>サーバーアドレス</translation>
    </message>
    <message>
        <source>Server address error</source>
        <translation>サーバーアドレスのエラー</translation>
    </message>
    <message>
        <source>Set by the QUILLON_SERVER environment variable; change it there to use another server.</source>
        <translation>環境変数 QUILLON_SERVER で設定されています。別のサーバーを使うにはそちらを変更してください。</translation>
    </message>
    <message>
        <source>Leave empty for the standard service. A change takes effect the next time Tindral Quillon starts.</source>
        <translation>標準のサービスを使う場合は空欄のままにします。変更は Tindral Quillon の次回起動時に反映されます。</translation>
    </message>
    <message>
        <source>Enter an address starting with http:// or https://, such as https://quillon.example.org.</source>
        <translation>http:// または https:// で始まるアドレスを入力してください（例: https://quillon.example.org）。</translation>
    </message>
    <message>
        <source>Restore Account</source>
        <translation>口座の復元</translation>
    </message>
    <message>
        <source>The account could not be restored.</source>
        <translation>口座を復元できませんでした。</translation>
    </message>
    <message>
        <source>It stays in the list of deleted accounts; nothing was changed.</source>
        <translation>削除した口座の一覧に残っています。何も変更されていません。</translation>
    </message>
    <message>
        <source>Not signed in.
Sign in via File › Sign In to enable sync.</source>
        <translation>サインインしていません。
[ファイル] › [サインイン] からサインインすると同期できるようになります。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Signed in as:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;Status:&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</source>
        <translation>&lt;b&gt;サインイン中:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;状態:&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</translation>
    </message>
    <message>
        <source>Never synced</source>
        <translation>未同期</translation>
    </message>
    <message>
        <source>Last synced: %1</source>
        <translation>前回の同期: %1</translation>
    </message>
    <message>
        <source>
Error: %1</source>
        <translation>
エラー: %1</translation>
    </message>
    <message>
        <source>This will re-upload every local row to the server and re-download all server data. Use this if data appears out of sync between devices.

Continue?</source>
        <translation>ローカルのすべてのデータをサーバーにアップロードし直し、サーバーのすべてのデータをダウンロードし直します。デバイス間でデータが一致しない場合に使用してください。

続行しますか?</translation>
    </message>
    <message>
        <source>The data could not be marked for upload.</source>
        <translation>データをアップロード対象にできませんでした。</translation>
    </message>
    <message>
        <source>Nothing was changed; the next sync sends only what changed.</source>
        <translation>何も変更されていません。次回の同期では変更分のみ送信されます。</translation>
    </message>
    <message>
        <source>Exporting...</source>
        <translation>エクスポート中...</translation>
    </message>
    <message>
        <source>Importing...</source>
        <translation>インポート中...</translation>
    </message>
</context>
<context>
    <name>SettingsGeneralPage</name>
    <message>
        <source>General</source>
        <translation>全般</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>外観</translation>
    </message>
    <message>
        <source>Control how Tindral Quillon looks.</source>
        <translation>Tindral Quillon の見た目を設定します。</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>テーマ</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>システムの既定</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>ライト</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>ダーク</translation>
    </message>
    <message>
        <source>Regional</source>
        <translation>地域</translation>
    </message>
    <message>
        <source>Date and calendar preferences.</source>
        <translation>日付とカレンダーの設定です。</translation>
    </message>
    <message>
        <source>Week starts on</source>
        <translation>週の始まり</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>日曜日</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>月曜日</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>土曜日</translation>
    </message>
    <message>
        <source>Date format</source>
        <translation>日付の形式</translation>
    </message>
    <message>
        <source>As the language writes it (%1)</source>
        <translation>言語の書き方に従う (%1)</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Language Changed</source>
        <translation>言語を変更しました</translation>
    </message>
    <message>
        <source>The new language will take effect the next time you start Tindral Quillon.</source>
        <translation>新しい言語は Tindral Quillon の次回起動時に反映されます。</translation>
    </message>
</context>
<context>
    <name>SettingsRegisterPage</name>
    <message>
        <source>Register</source>
        <translation>入出金明細</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>How transactions appear in the register.</source>
        <translation>入出金明細での取引の表示方法です。</translation>
    </message>
    <message>
        <source>Two-line rows</source>
        <translation>2 行表示</translation>
    </message>
    <message>
        <source>Show memo on a second line below the payee.</source>
        <translation>取引先の下の 2 行目にメモを表示します。</translation>
    </message>
    <message>
        <source>Sorting</source>
        <translation>並べ替え</translation>
    </message>
    <message>
        <source>Control the order of transactions in the register.</source>
        <translation>入出金明細での取引の並び順を設定します。</translation>
    </message>
    <message>
        <source>Show newest transactions first</source>
        <translation>新しい取引を先に表示</translation>
    </message>
    <message>
        <source>When enabled, the most recent transactions appear at the top.</source>
        <translation>オンにすると、最新の取引が一番上に表示されます。</translation>
    </message>
</context>
<context>
    <name>SettingsScreen</name>
    <message>
        <source>Preferences</source>
        <translation>環境設定</translation>
    </message>
    <message>
        <source>Preference pages</source>
        <translation>設定ページ</translation>
    </message>
    <message>
        <source>General</source>
        <translation>全般</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>入出金明細</translation>
    </message>
    <message>
        <source>Data &amp; Sync</source>
        <translation>データと同期</translation>
    </message>
    <message>
        <source>About</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>Preference page</source>
        <translation>設定ページ</translation>
    </message>
</context>
<context>
    <name>ShareMembersDialog</name>
    <message>
        <source>Group member</source>
        <translation>グループのメンバー</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>共有</translation>
    </message>
    <message>
        <source>Shared with</source>
        <translation>共有相手</translation>
    </message>
    <message>
        <source>Remove Selected</source>
        <translation>選択項目を削除</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>読み込み中...</translation>
    </message>
    <message>
        <source>Not shared with anyone yet.</source>
        <translation>まだ誰とも共有していません。</translation>
    </message>
    <message>
        <source>All group members already added</source>
        <translation>グループのメンバーは全員追加済みです</translation>
    </message>
    <message>
        <source>Sharing...</source>
        <translation>共有中...</translation>
    </message>
    <message>
        <source>Could not share with %1.</source>
        <translation>%1 と共有できませんでした。</translation>
    </message>
    <message>
        <source>Remove Share</source>
        <translation>共有の解除</translation>
    </message>
    <message>
        <source>Remove %1&apos;s access to this item?</source>
        <translation>%1 によるこの項目へのアクセスを解除しますか?</translation>
    </message>
    <message>
        <source>Could not remove share.</source>
        <translation>共有を解除できませんでした。</translation>
    </message>
    <message>
        <source>The list of people this is shared with could not be loaded. Close this window and open it again to retry.</source>
        <translation>共有相手の一覧を読み込めませんでした。このウィンドウを閉じて、もう一度開いてください。</translation>
    </message>
    <message>
        <source>The group members could not be loaded, so nobody can be added now. Close this window and open it again to retry.</source>
        <translation>グループのメンバーを読み込めなかったため、今は誰も追加できません。このウィンドウを閉じて、もう一度開いてください。</translation>
    </message>
</context>
<context>
    <name>SignInLinkDialog</name>
    <message>
        <source>&amp;Copy</source>
        <translation>コピー(&amp;C)</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>サインイン</translation>
    </message>
    <message>
        <source>Sign-in address</source>
        <translation>サインインのアドレス</translation>
    </message>
    <message>
        <source>Copy the sign-in address</source>
        <translation>サインインのアドレスをコピー</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>コピーしました</translation>
    </message>
    <message>
        <source>Your browser should now show the sign-in page. If it did not open, copy this address into a browser on this computer and sign in there; this program notices when you are done.</source>
        <translation>ブラウザにサインインのページが表示されているはずです。開かなかった場合は、このアドレスをこのコンピューターのブラウザにコピーしてサインインしてください。完了するとこのプログラムが検知します。</translation>
    </message>
    <message>
        <source>No browser could be opened for signing in. Copy this address into a browser on this computer and sign in there; this program notices when you are done.</source>
        <translation>サインイン用のブラウザを開けませんでした。このアドレスをこのコンピューターのブラウザにコピーしてサインインしてください。完了するとこのプログラムが検知します。</translation>
    </message>
</context>
<context>
    <name>SmartDateEdit</name>
    <message>
        <source>Open calendar (F4)</source>
        <translation>カレンダーを開く (F4)</translation>
    </message>
    <message>
        <source>Open calendar</source>
        <translation>カレンダーを開く</translation>
    </message>
</context>
<context>
    <name>SplitEditorDialog</name>
    <message>
        <source>Split Transaction</source>
        <translation>取引の分割</translation>
    </message>
    <message>
        <source>Divide %1 (%2) among categories.</source>
        <translation>%1 (%2) を複数のカテゴリに分けます。</translation>
    </message>
    <message>
        <source>The split is kept on this device and in backups; sync does not carry it to your other devices.</source>
        <translation>分割はこのデバイスとバックアップに保存されます。同期でほかのデバイスには送られません。</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>金額</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>メモ</translation>
    </message>
    <message>
        <source>&amp;Add Line</source>
        <translation>行を追加(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Remove Line</source>
        <translation>行を削除(&amp;R)</translation>
    </message>
    <message>
        <source>Remaining: %1</source>
        <translation>残り: %1</translation>
    </message>
    <message>
        <source>(choose a category)</source>
        <translation>(カテゴリを選択)</translation>
    </message>
    <message>
        <source>Category of line %1</source>
        <translation>%1 行目のカテゴリ</translation>
    </message>
    <message>
        <source>Amount of line %1</source>
        <translation>%1 行目の金額</translation>
    </message>
    <message>
        <source>Memo of line %1</source>
        <translation>%1 行目のメモ</translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>Offline</source>
        <translation>オフライン</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>ステータスバー</translation>
    </message>
    <message>
        <source>Number of accounts</source>
        <translation>口座の数</translation>
    </message>
    <message>
        <source>Recurring transactions due</source>
        <translation>期日の来た定期取引</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>進行状況</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>処理中</translation>
    </message>
    <message>
        <source>Sync status</source>
        <translation>同期の状態</translation>
    </message>
    <message>
        <source>Resize window</source>
        <translation>ウィンドウのサイズ変更</translation>
    </message>
    <message numerus="yes">
        <source>%n account(s)</source>
        <translation>
            <numerusform>%n 口座</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>  •  %n recurring due</source>
        <translation>
            <numerusform>  •  定期取引 %n 件が期日</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SyncEngine</name>
    <message>
        <source>Synced</source>
        <translation>同期済み</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>同期中...</translation>
    </message>
    <message>
        <source>Sync error</source>
        <translation>同期エラー</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>オフライン</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>不明</translation>
    </message>
    <message>
        <source>These books are kept with another Tindral account. Sign in with the account they were synced with to sync them.</source>
        <translation>この帳簿は別の Tindral アカウントで管理されています。同期するには、同期に使ったアカウントでサインインしてください。</translation>
    </message>
</context>
<context>
    <name>TindUpdate</name>
    <message>
        <source>No release notes available for %1 %2</source>
        <translation>%1 %2 のリリースノートはありません</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>アップデートを確認しています…</translation>
    </message>
    <message>
        <source>%1 is up to date (version %2)</source>
        <translation>%1 は最新です (バージョン %2)</translation>
    </message>
    <message>
        <source>Update check failed: %1</source>
        <translation>アップデートの確認に失敗しました: %1</translation>
    </message>
    <message>
        <source>Loading release notes…</source>
        <translation>リリースノートを読み込んでいます…</translation>
    </message>
</context>
<context>
    <name>TindUpdate::NotesBrowser</name>
    <message>
        <source>Release notes</source>
        <translation>リリースノート</translation>
    </message>
</context>
<context>
    <name>TindUpdate::UpdateDialog</name>
    <message>
        <source>Update available</source>
        <translation>アップデートがあります</translation>
    </message>
    <message>
        <source>A new version of %1 is available.</source>
        <translation>%1 の新しいバージョンがあります。</translation>
    </message>
    <message>
        <source>You have version %1. The latest version is %2.</source>
        <translation>お使いのバージョンは %1 です。最新バージョンは %2 です。</translation>
    </message>
    <message>
        <source>Loading release notes…</source>
        <translation>リリースノートを読み込んでいます…</translation>
    </message>
    <message>
        <source>*Release notes are not available for this version.*</source>
        <translation>*このバージョンのリリースノートはありません。*</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>ダウンロード</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>後で</translation>
    </message>
</context>
<context>
    <name>TindUpdate::WhatsNewDialog</name>
    <message>
        <source>What&apos;s New in %1 %2</source>
        <translation>%1 %2 の新機能</translation>
    </message>
    <message>
        <source>What&apos;s new in %1 %2</source>
        <translation>%1 %2 の新機能</translation>
    </message>
    <message>
        <source>You are running version %1</source>
        <translation>現在のバージョンは %1 です</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Download %1</source>
        <translation>%1 をダウンロード</translation>
    </message>
</context>
<context>
    <name>TransactionFormDialog</name>
    <message>
        <source>New Transaction</source>
        <translation>新しい取引</translation>
    </message>
    <message>
        <source>Edit Transaction</source>
        <translation>取引の編集</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>出金</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>入金</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>種類:</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>日付:</translation>
    </message>
    <message>
        <source>Start typing to search payees...</source>
        <translation>入力すると取引先を検索します...</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>取引先</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>取引先:</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>金額</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>金額:</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(なし)</translation>
    </message>
    <message>
        <source>Split…</source>
        <translation>分割…</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>分割</translation>
    </message>
    <message>
        <source>Divide the amount among several categories</source>
        <translation>金額を複数のカテゴリに分けます</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>カテゴリ:</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>任意</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>メモ</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>メモ:</translation>
    </message>
    <message>
        <source>Check number</source>
        <translation>小切手番号</translation>
    </message>
    <message>
        <source>Check #:</source>
        <translation>小切手番号:</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>確認済み</translation>
    </message>
    <message>
        <source>Form message</source>
        <translation>フォームのメッセージ</translation>
    </message>
    <message numerus="yes">
        <source>Split among %n categories</source>
        <translation>
            <numerusform>%n 個のカテゴリに分割</numerusform>
        </translation>
    </message>
    <message>
        <source>Edit Split…</source>
        <translation>分割を編集…</translation>
    </message>
    <message>
        <source>Edit split</source>
        <translation>分割を編集</translation>
    </message>
    <message>
        <source>Enter the amount first, then split it.</source>
        <translation>先に金額を入力してから分割してください。</translation>
    </message>
    <message>
        <source>Payee is required</source>
        <translation>取引先を入力してください</translation>
    </message>
    <message>
        <source>Split No Longer Adds Up</source>
        <translation>分割の合計が一致しません</translation>
    </message>
    <message>
        <source>The amount changed, so the split no longer adds up to it. Split the new amount again?</source>
        <translation>金額が変わったため、分割の合計が一致しなくなりました。新しい金額をもう一度分割しますか?</translation>
    </message>
    <message>
        <source>Split Again</source>
        <translation>再分割</translation>
    </message>
    <message>
        <source>Remove Split</source>
        <translation>分割を解除</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>口座</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>口座:</translation>
    </message>
</context>
<context>
    <name>UndoStack</name>
    <message>
        <source>The database could not be written.</source>
        <translation>データベースに書き込めませんでした。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be undone: its entries were changed since, on another device or in another program.</source>
        <translation>「%1」は元に戻せません。その後、別のデバイスまたは別のプログラムで変更されています。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be redone: its entries were changed since, on another device or in another program.</source>
        <translation>「%1」はやり直せません。その後、別のデバイスまたは別のプログラムで変更されています。</translation>
    </message>
    <message>
        <source>The database could not be read.</source>
        <translation>データベースを読み込めませんでした。</translation>
    </message>
</context>
<context>
    <name>WelcomeScreen</name>
    <message>
        <source>Continue Without an Account</source>
        <translation>アカウントなしで続ける</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>ようこそ</translation>
    </message>
    <message>
        <source>Tindral Quillon</source>
        <translation>Tindral Quillon</translation>
    </message>
    <message>
        <source>Your finances, everywhere.</source>
        <translation>あなたの家計を、どこでも。</translation>
    </message>
    <message>
        <source>Multi-Device Sync</source>
        <translation>複数のデバイスで同期</translation>
    </message>
    <message>
        <source>Keep your quillon in sync between your phone, tablet, and computer.</source>
        <translation>スマートフォン、タブレット、パソコンで出納帳をいつも最新の状態に保てます。</translation>
    </message>
    <message>
        <source>Family Sharing</source>
        <translation>家族と共有</translation>
    </message>
    <message>
        <source>Share accounts with family members. Everyone sees the same register in real time.</source>
        <translation>口座を家族と共有できます。全員が同じ入出金明細をリアルタイムで確認できます。</translation>
    </message>
    <message>
        <source>Secure &amp; Private</source>
        <translation>安全でプライベート</translation>
    </message>
    <message>
        <source>Your data is encrypted in transit and at rest. We never sell your data or show ads.</source>
        <translation>データは通信中も保存時も暗号化されます。データを販売したり、広告を表示したりすることはありません。</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>サインアウト</translation>
    </message>
    <message>
        <source>Already have an account? Sign In</source>
        <translation>アカウントをお持ちの方はサインイン</translation>
    </message>
</context>
</TS>
