"""Translations of the user-visible texts, by source text.

Each row of ROWS is: source | en | zh_TW | de | fr | es | it | pt | ru | ja |
ko | ar | zh_CN. An empty field leaves the text untranslated in that
catalogue. zh_CN is needed only where the source text is not Chinese.

texts.json next to this file holds further texts, by source text, with their
"en" and "zh_TW" translations."""

import json
import os

CODES = ["en", "zh_TW", "de", "fr", "es", "it", "pt", "ru", "ja", "ko", "ar", "zh_CN"]

ROWS = """
Preferences...|Preferences...|偏好設定...|Einstellungen...|Préférences...|Preferencias...|Preferenze...|Preferências...|Настройки...|環境設定...|환경설정...|التفضيلات...|偏好设置...
Preferences|Preferences|偏好設定|Einstellungen|Préférences|Preferencias|Preferenze|Preferências|Настройки|環境設定|환경설정|التفضيلات|偏好设置
General|General|一般|Allgemein|Général|General|Generale|Geral|Общие|一般|일반|عام|通用
语言(重启软件生效)|Language (after restart)|語言(重啟軟體生效)|Sprache (nach Neustart)|Langue (après redémarrage)|Idioma (tras reiniciar)|Lingua (dopo il riavvio)|Idioma (após reiniciar)|Язык (после перезапуска)|言語(再起動後に有効)|언어(재시작 후 적용)|اللغة (بعد إعادة التشغيل)|
使用启动密码|Use a start password|使用啟動密碼|Startpasswort verwenden|Utiliser un mot de passe de démarrage|Usar contraseña de inicio|Usa password di avvio|Usar senha de início|Пароль при запуске|起動パスワードを使用|시작 암호 사용|استخدام كلمة مرور البدء|
使用左右布局 (重启软件生效）|Use the left-right layout (after restart)|使用左右佈局 (重啟軟體生效）|Links-rechts-Layout (nach Neustart)|Disposition gauche-droite (après redémarrage)|Diseño izquierda-derecha (tras reiniciar)|Layout sinistra-destra (dopo il riavvio)|Layout esquerda-direita (após reiniciar)|Раскладка слева направо (после перезапуска)|左右レイアウト(再起動後に有効)|좌우 레이아웃(재시작 후 적용)|تخطيط يسار-يمين (بعد إعادة التشغيل)|
Chapter|Chapter|章節|Kapitel|Chapitre|Capítulo|Capitolo|Capítulo|Глава|章|챕터|الفصل|章节
Edit Side Margin|Editor side margins|編輯框左右邊距|Seitenränder|Marges latérales|Márgenes laterales|Margini laterali|Margens laterais|Боковые поля|左右の余白|좌우 여백|الهوامش الجانبية|编辑框左右边距
ChineseCharacters Width|Width in Chinese characters|漢字寬度|Breite in Schriftzeichen|Largeur en caractères|Ancho en caracteres|Larghezza in caratteri|Largura em caracteres|Ширина в иероглифах|文字数で幅を指定|글자 수 너비|العرض بالحروف|汉字宽度
Pixel Width|Width in pixels|像素寬度|Breite in Pixeln|Largeur en pixels|Ancho en píxeles|Larghezza in pixel|Largura em pixels|Ширина в пикселях|ピクセル幅|픽셀 너비|العرض بالبكسل|像素宽度
背景图|Background image|背景圖|Hintergrundbild|Image de fond|Imagen de fondo|Immagine di sfondo|Imagem de fundo|Фоновое изображение|背景画像|배경 이미지|صورة الخلفية|
高斯模糊|Gaussian blur|高斯模糊|Weichzeichnen|Flou gaussien|Desenfoque gaussiano|Sfocatura gaussiana|Desfoque gaussiano|Размытие по Гауссу|ぼかし|가우시안 블러|تمويه غاوسي|
DocumentTips|The text colour follows the theme. A colour set here applies to the current theme only.|文字顏色跟隨主題，在這裡設定的顏色只用於目前主題。|Die Textfarbe folgt dem Thema; eine hier gewählte Farbe gilt nur für das aktuelle Thema.|La couleur du texte suit le thème ; une couleur choisie ici ne vaut que pour le thème actuel.|El color del texto sigue al tema; un color elegido aquí solo vale para el tema actual.|Il colore del testo segue il tema; un colore scelto qui vale solo per il tema attuale.|A cor do texto segue o tema; uma cor escolhida aqui vale só para o tema atual.|Цвет текста следует теме; выбранный здесь цвет действует только для текущей темы.|文字色はテーマに従います。ここで設定した色は現在のテーマにのみ適用されます。|글자 색은 테마를 따릅니다. 여기서 정한 색은 현재 테마에만 적용됩니다.|لون النص يتبع السمة، واللون المحدد هنا يطبق على السمة الحالية فقط.|文字颜色跟随主题，在这里设置的颜色只用于当前主题。
编辑框宽度模式|Editor width mode|編輯框寬度模式|Breitenmodus des Editors|Mode de largeur de l'éditeur|Modo de ancho del editor|Modalità larghezza editor|Modo de largura do editor|Режим ширины редактора|エディタ幅モード|편집기 너비 모드|وضع عرض المحرر|
编辑框宽度单位|Editor width unit|編輯框寬度單位|Breiteneinheit des Editors|Unité de largeur de l'éditeur|Unidad de ancho del editor|Unità di larghezza editor|Unidade de largura do editor|Единица ширины редактора|エディタ幅の単位|편집기 너비 단위|وحدة عرض المحرر|
字体颜色|Font colour|字體顏色|Schriftfarbe|Couleur de police|Color de fuente|Colore del carattere|Cor da fonte|Цвет шрифта|文字色|글자 색|لون الخط|
行间距|Line spacing|行間距|Zeilenabstand|Interligne|Interlineado|Interlinea|Espaçamento entre linhas|Межстрочный интервал|行間|줄 간격|تباعد الأسطر|
段间距|Paragraph spacing|段間距|Absatzabstand|Espacement des paragraphes|Espaciado de párrafo|Spaziatura paragrafi|Espaçamento de parágrafo|Интервал между абзацами|段落間隔|문단 간격|تباعد الفقرات|
File Path|File path|檔案路徑|Dateipfad|Chemin des fichiers|Ruta de archivos|Percorso file|Caminho dos arquivos|Путь к файлам|ファイルパス|파일 경로|مسار الملفات|文件路径
在状态栏中显示章节字数|Show the chapter's word count in the status bar|在狀態列中顯示章節字數|Wortzahl des Kapitels in der Statusleiste|Afficher le nombre de mots du chapitre dans la barre d'état|Mostrar palabras del capítulo en la barra de estado|Mostra le parole del capitolo nella barra di stato|Mostrar palavras do capítulo na barra de status|Показывать число слов главы в строке состояния|ステータスバーに章の文字数を表示|상태 표시줄에 챕터 글자 수 표시|عرض عدد كلمات الفصل في شريط الحالة|
在状态栏中显示光标前字数|Show the words before the cursor in the status bar|在狀態列中顯示游標前字數|Wörter vor dem Cursor in der Statusleiste|Afficher les mots avant le curseur dans la barre d'état|Mostrar palabras antes del cursor en la barra de estado|Mostra le parole prima del cursore nella barra di stato|Mostrar palavras antes do cursor na barra de status|Показывать число слов до курсора в строке состояния|ステータスバーにカーソル前の文字数を表示|상태 표시줄에 커서 앞 글자 수 표시|عرض الكلمات قبل المؤشر في شريط الحالة|
连续五次回车自动添加章节名|Five Enters in a row add a chapter title|連續五次回車自動添加章節名|Fünfmal Eingabe fügt einen Kapiteltitel ein|Cinq Entrée de suite ajoutent un titre de chapitre|Cinco Intro seguidos añaden un título de capítulo|Cinque Invio di fila aggiungono un titolo|Cinco Enter seguidos adicionam um título|Пять нажатий Enter подряд добавляют заголовок главы|Enterを5回続けて押すと章タイトルを追加|Enter를 다섯 번 누르면 챕터 제목 추가|خمس ضغطات إدخال متتالية تضيف عنوان فصل|
Auto Chapter Keys|Automatic chapter keywords|自動章節關鍵詞|Schlüsselwörter für Kapitel|Mots-clés des chapitres|Palabras clave de capítulos|Parole chiave dei capitoli|Palavras-chave de capítulos|Ключевые слова глав|章の自動認識キーワード|챕터 자동 인식 키워드|الكلمات المفتاحية للفصول|自动章节关键词
Set auto chapter Keys|Set the chapter-title keywords|設定自動章節識別關鍵詞|Kapitel-Schlüsselwörter festlegen|Définir les mots-clés des chapitres|Definir palabras clave de capítulos|Imposta le parole chiave dei capitoli|Definir palavras-chave de capítulos|Задать ключевые слова глав|章の自動認識キーワードを設定|챕터 키워드 설정|تعيين الكلمات المفتاحية للفصول|设置自动章节识别关键词
AutoChapterTips|"*" stands for any text. One keyword per line, at most one "*" each, never at its start or end. Many keywords slow the program down.|「*」代表任意文字，每行一個關鍵詞，每個關鍵詞最多一個「*」，且不能在開頭或結尾。|"*" steht für beliebigen Text; ein Schlüsselwort je Zeile, höchstens ein "*", nie am Anfang oder Ende.|« * » remplace n'importe quel texte ; un mot-clé par ligne, au plus un « * », jamais au début ni à la fin.|"*" representa cualquier texto; una palabra clave por línea, como máximo un "*", nunca al principio ni al final.|"*" indica qualsiasi testo; una parola chiave per riga, al massimo un "*", mai all'inizio o alla fine.|"*" representa qualquer texto; uma palavra-chave por linha, no máximo um "*", nunca no início ou no fim.|«*» означает любой текст; одно ключевое слово в строке, не больше одной «*», не в начале и не в конце.|「*」は任意の文字列です。1行に1つ、「*」は1つまでで、先頭と末尾には置けません。|"*"는 임의의 글자입니다. 한 줄에 하나, "*"는 하나까지이며 처음이나 끝에 올 수 없습니다.|"*" تعني أي نص؛ كلمة مفتاحية واحدة في كل سطر، و"*" واحدة على الأكثر، لا في البداية ولا في النهاية.|“*”代表任意文字，每行一个关键词，每个关键词最多一个“*”，且不能在开头或结尾。关键词越多，软件越慢。
WordCountTips|Today's count is the sum of the changes of every opened document, so pasting or deleting text can distort it; the other statistics keep counting typed words only.|今日字數是每個打開過的文檔的字數變化之和，貼上或刪除文字會使其偏多或偏少。|Die heutige Zahl ist die Summe der Änderungen aller geöffneten Dokumente; Einfügen oder Löschen kann sie verfälschen.|Le compte du jour est la somme des changements de chaque document ouvert ; coller ou supprimer du texte peut le fausser.|El recuento de hoy es la suma de los cambios de cada documento abierto; pegar o borrar texto puede alterarlo.|Il conteggio di oggi è la somma delle modifiche di ogni documento aperto; incollare o cancellare può falsarlo.|A contagem de hoje é a soma das alterações de cada documento aberto; colar ou apagar texto pode distorcê-la.|Сегодняшний счёт — сумма изменений всех открытых документов; вставка или удаление текста может его исказить.|今日の文字数は開いた各文書の変化の合計です。貼り付けや削除で増減することがあります。|오늘 글자 수는 열었던 각 문서 변화의 합이라 붙여넣기나 삭제로 달라질 수 있습니다.|عدد اليوم هو مجموع تغييرات كل مستند مفتوح، وقد يشوهه اللصق أو الحذف.|今日字数是每个打开过的文档的字数变化之和，粘贴或删除文字会使其偏多或偏少；其他统计仍只计算输入的字数。
今日统计以结果为准|Today's statistics follow the result|今日統計以結果為準|Heutige Statistik nach Ergebnis|Statistiques du jour selon le résultat|Estadística de hoy según el resultado|Statistiche di oggi secondo il risultato|Estatística de hoje pelo resultado|Статистика дня по результату|今日の統計は結果を基準にする|오늘 통계는 결과 기준|إحصاءات اليوم حسب النتيجة|
启用对话体统计|Dialogue counting|啟用對話體統計|Dialogzählung|Comptage des dialogues|Conteo de diálogos|Conteggio dei dialoghi|Contagem de diálogos|Подсчёт диалогов|会話体カウント|대화체 집계|عدّ الحوار|
回车排版|Typesetting on Enter|回車排版|Satz bei Eingabe|Mise en forme à l'Entrée|Formato al pulsar Intro|Impaginazione con Invio|Formatação ao Enter|Вёрстка по Enter|Enterで整形|Enter 조판|التنسيق عند الإدخال|
段落开头增加两个空格|Two spaces at the start of each paragraph|段落開頭增加兩個空格|Zwei Leerzeichen am Absatzanfang|Deux espaces en début de paragraphe|Dos espacios al inicio de cada párrafo|Due spazi a inizio paragrafo|Dois espaços no início do parágrafo|Два пробела в начале абзаца|段落の先頭に全角スペース2つ|문단 앞에 공백 두 칸|مسافتان في بداية الفقرة|
段落间增加一个空行|A blank line between paragraphs|段落間增加一個空行|Leerzeile zwischen Absätzen|Une ligne vide entre les paragraphes|Una línea en blanco entre párrafos|Una riga vuota tra i paragrafi|Uma linha em branco entre parágrafos|Пустая строка между абзацами|段落間に空行を1行|문단 사이에 빈 줄|سطر فارغ بين الفقرات|
一键排版|One-key typesetting|一鍵排版|Satz mit einer Taste|Mise en forme en un clic|Formato con un clic|Impaginazione con un tasto|Formatação com um clique|Вёрстка одной кнопкой|ワンクリック整形|원클릭 조판|تنسيق بنقرة واحدة|
删除段落间多余空行|Remove surplus blank lines|刪除段落間多餘空行|Überzählige Leerzeilen entfernen|Supprimer les lignes vides en trop|Quitar líneas en blanco sobrantes|Rimuovi righe vuote in eccesso|Remover linhas em branco extras|Удалять лишние пустые строки|余分な空行を削除|불필요한 빈 줄 삭제|حذف الأسطر الفارغة الزائدة|
删除多余空格|Remove surplus spaces|刪除多餘空格|Überzählige Leerzeichen entfernen|Supprimer les espaces en trop|Quitar espacios sobrantes|Rimuovi spazi in eccesso|Remover espaços extras|Удалять лишние пробелы|余分な空白を削除|불필요한 공백 삭제|حذف المسافات الزائدة|
打字机模式|Typewriter mode|打字機模式|Schreibmaschinenmodus|Mode machine à écrire|Modo máquina de escribir|Modalità macchina da scrivere|Modo máquina de escrever|Режим пишущей машинки|タイプライターモード|타자기 모드|وضع الآلة الكاتبة|
启用打字模式|Typing mode|啟用打字模式|Tippmodus|Mode frappe|Modo de escritura|Modalità digitazione|Modo de digitação|Режим набора|タイピングモード|타이핑 모드|وضع الكتابة|
高亮显示|Highlight|高亮顯示|Hervorheben|Surligner|Resaltar|Evidenzia|Destacar|Подсветка|ハイライト|강조|تمييز|
关闭|Close|關閉|Schließen|Fermer|Cerrar|Chiudi|Fechar|Закрыть|閉じる|닫기|إغلاق|
当前行|Current line|當前行|Aktuelle Zeile|Ligne actuelle|Línea actual|Riga corrente|Linha atual|Текущая строка|現在の行|현재 줄|السطر الحالي|
当前句|Current sentence|當前句|Aktueller Satz|Phrase actuelle|Frase actual|Frase corrente|Frase atual|Текущее предложение|現在の文|현재 문장|الجملة الحالية|
当前段落|Current paragraph|當前段落|Aktueller Absatz|Paragraphe actuel|Párrafo actual|Paragrafo corrente|Parágrafo atual|Текущий абзац|現在の段落|현재 문단|الفقرة الحالية|
固定滚动|Fixed scrolling|固定滾動|Feste Bildlaufposition|Défilement fixe|Desplazamiento fijo|Scorrimento fisso|Rolagem fixa|Фиксированная прокрутка|固定スクロール|고정 스크롤|تمرير ثابت|
关|Off|關|Aus|Désactivé|Apagado|Spento|Desligado|Выкл.|オフ|끔|إيقاف|
上|Top|上|Oben|Haut|Arriba|Alto|Topo|Сверху|上|위|أعلى|
中|Middle|中|Mitte|Milieu|Centro|Centro|Meio|По центру|中央|가운데|وسط|
下|Bottom|下|Unten|Bas|Abajo|Basso|Base|Снизу|下|아래|أسفل|
可变|Variable|可變|Variabel|Variable|Variable|Variabile|Variável|Переменная|可変|가변|متغير|
标记当前行|Mark the current line|標記當前行|Aktuelle Zeile markieren|Marquer la ligne actuelle|Marcar la línea actual|Segna la riga corrente|Marcar a linha atual|Отмечать текущую строку|現在の行に印を付ける|현재 줄 표시|تعليم السطر الحالي|
跟随主题|Follow the theme|跟隨主題|Dem Thema folgen|Suivre le thème|Seguir el tema|Segui il tema|Seguir o tema|Как в теме|テーマに従う|테마 따르기|اتباع السمة|
默认白|Default white|默認白|Standard weiß|Blanc par défaut|Blanco predeterminado|Bianco predefinito|Branco padrão|Белая по умолчанию|デフォルト白|기본 흰색|أبيض افتراضي|
默认黑|Default black|默認黑|Standard schwarz|Noir par défaut|Negro predeterminado|Nero predefinito|Preto padrão|Чёрная по умолчанию|デフォルト黒|기본 검정|أسود افتراضي|
淑女粉|Lady pink|淑女粉|Damenrosa|Rose tendre|Rosa dama|Rosa delicato|Rosa suave|Нежно-розовая|レディピンク|숙녀 분홍|وردي ناعم|
清爽绿|Fresh green|清爽綠|Frisches Grün|Vert frais|Verde fresco|Verde fresco|Verde fresco|Свежая зелёная|さわやかグリーン|상쾌한 초록|أخضر منعش|
苍穹蓝|Sky blue|蒼穹藍|Himmelblau|Bleu ciel|Azul cielo|Azzurro cielo|Azul-celeste|Небесно-голубая|スカイブルー|하늘색|أزرق سماوي|
入门模式|Challenge modes|入門模式|Herausforderungen|Modes défi|Modos de desafío|Modalità sfida|Modos de desafio|Режимы испытаний|チャレンジモード|도전 모드|أوضاع التحدي|
简单模式|Easy|簡單模式|Leicht|Facile|Fácil|Facile|Fácil|Лёгкий|イージー|쉬움|سهل|
普通模式|Normal|普通模式|Normal|Normal|Normal|Normale|Normal|Обычный|ノーマル|보통|عادي|
困难模式|Hard|困難模式|Schwer|Difficile|Difícil|Difficile|Difícil|Трудный|ハード|어려움|صعب|
地狱模式|Hell|地獄模式|Hölle|Enfer|Infierno|Inferno|Inferno|Адский|地獄|지옥|جحيم|
第一关|Level 1|第一關|Stufe 1|Niveau 1|Nivel 1|Livello 1|Nível 1|Уровень 1|レベル1|1단계|المستوى 1|
第二关|Level 2|第二關|Stufe 2|Niveau 2|Nivel 2|Livello 2|Nível 2|Уровень 2|レベル2|2단계|المستوى 2|
第三关|Level 3|第三關|Stufe 3|Niveau 3|Nivel 3|Livello 3|Nível 3|Уровень 3|レベル3|3단계|المستوى 3|
第四关|Level 4|第四關|Stufe 4|Niveau 4|Nivel 4|Livello 4|Nível 4|Уровень 4|レベル4|4단계|المستوى 4|
第五关|Level 5|第五關|Stufe 5|Niveau 5|Nivel 5|Livello 5|Nível 5|Уровень 5|レベル5|5단계|المستوى 5|
第六关|Level 6|第六關|Stufe 6|Niveau 6|Nivel 6|Livello 6|Nível 6|Уровень 6|レベル6|6단계|المستوى 6|
第七关|Level 7|第七關|Stufe 7|Niveau 7|Nivel 7|Livello 7|Nível 7|Уровень 7|レベル7|7단계|المستوى 7|
第八关|Level 8|第八關|Stufe 8|Niveau 8|Nivel 8|Livello 8|Nível 8|Уровень 8|レベル8|8단계|المستوى 8|
第九关|Level 9|第九關|Stufe 9|Niveau 9|Nivel 9|Livello 9|Nível 9|Уровень 9|レベル9|9단계|المستوى 9|
用户名或密码错误|Wrong user name or password|用戶名或密碼錯誤|Falscher Benutzername oder falsches Passwort|Nom d'utilisateur ou mot de passe incorrect|Usuario o contraseña incorrectos|Nome utente o password errati|Usuário ou senha incorretos|Неверное имя пользователя или пароль|ユーザー名またはパスワードが違います|사용자 이름 또는 암호가 틀렸습니다|اسم المستخدم أو كلمة المرور غير صحيحة|
登录信息无效,请登录.|Sign-in information is invalid, please sign in.|登入資訊無效,請登入.|Anmeldedaten ungültig, bitte anmelden.|Informations de connexion invalides, veuillez vous connecter.|Datos de inicio de sesión no válidos, inicie sesión.|Dati di accesso non validi, accedi.|Dados de acesso inválidos, entre novamente.|Данные входа недействительны, войдите снова.|ログイン情報が無効です。ログインしてください。|로그인 정보가 올바르지 않습니다. 로그인하세요.|معلومات الدخول غير صالحة، يرجى تسجيل الدخول.|
服务器答复：未找到|Server reply: not found|伺服器答覆：未找到|Antwort des Servers: nicht gefunden|Réponse du serveur : introuvable|Respuesta del servidor: no encontrado|Risposta del server: non trovato|Resposta do servidor: não encontrado|Ответ сервера: не найдено|サーバーの応答: 見つかりません|서버 응답: 찾을 수 없음|رد الخادم: غير موجود|
编辑框|Editor|編輯框|Editor|Éditeur|Editor|Editor|Editor|Редактор|エディタ|편집기|المحرر|
主题|Theme|主題|Thema|Thème|Tema|Tema|Tema|Тема|テーマ|테마|السمة|
跟随系统|Follow the system|跟隨系統|Wie das System|Suivre le système|Seguir el sistema|Segui il sistema|Seguir o sistema|Как в системе|システムに従う|시스템 따르기|اتباع النظام|
暗色主题|Dark theme|暗色主題|Dunkles Thema|Thème sombre|Tema oscuro|Tema scuro|Tema escuro|Тёмная тема|ダークテーマ|어두운 테마|سمة داكنة|
亮色主题|Light theme|亮色主題|Helles Thema|Thème clair|Tema claro|Tema chiaro|Tema claro|Светлая тема|ライトテーマ|밝은 테마|سمة فاتحة|
柔绿主题|Soft green theme|柔綠主題|Sanftgrünes Thema|Thème vert doux|Tema verde suave|Tema verde tenue|Tema verde suave|Мягкая зелёная тема|ソフトグリーンテーマ|연두 테마|سمة خضراء هادئة|
粉色主题|Pink theme|粉色主題|Rosa Thema|Thème rose|Tema rosa|Tema rosa|Tema rosa|Розовая тема|ピンクテーマ|분홍 테마|سمة وردية|
文件|File|檔案|Datei|Fichier|Archivo|File|Arquivo|Файл|ファイル|파일|ملف|
字号|Font size|字號|Schriftgröße|Taille de police|Tamaño de fuente|Dimensione carattere|Tamanho da fonte|Размер шрифта|フォントサイズ|글자 크기|حجم الخط|
自适应宽度|Adaptive width|自適應寬度|Angepasste Breite|Largeur adaptative|Ancho adaptable|Larghezza adattiva|Largura adaptável|Адаптивная ширина|可変幅|자동 너비|عرض متكيف|
固定宽度|Fixed width|固定寬度|Feste Breite|Largeur fixe|Ancho fijo|Larghezza fissa|Largura fixa|Фиксированная ширина|固定幅|고정 너비|عرض ثابت|
字体|Font|字體|Schrift|Police|Fuente|Carattere|Fonte|Шрифт|フォント|글꼴|الخط|
固定页面宽度（像素）|Fixed page width (pixels)|固定頁面寬度（像素）|Feste Seitenbreite (Pixel)|Largeur de page fixe (pixels)|Ancho de página fijo (píxeles)|Larghezza pagina fissa (pixel)|Largura de página fixa (pixels)|Фиксированная ширина страницы (пиксели)|固定ページ幅(ピクセル)|고정 페이지 너비(픽셀)|عرض صفحة ثابت (بكسل)|
固定每行字数（汉字）|Fixed characters per line|固定每行字數（漢字）|Feste Zeichen je Zeile|Caractères fixes par ligne|Caracteres fijos por línea|Caratteri fissi per riga|Caracteres fixos por linha|Фиксированное число знаков в строке|1行の文字数を固定|줄당 글자 수 고정|عدد ثابت من الحروف في السطر|
关于|About|關於|Über|À propos|Acerca de|Informazioni|Sobre|О программе|このアプリについて|정보|حول|
窗口置顶|Keep window on top|視窗置頂|Fenster im Vordergrund|Fenêtre au premier plan|Ventana siempre visible|Finestra in primo piano|Janela sempre visível|Поверх всех окон|常に手前に表示|창 항상 위|إبقاء النافذة في المقدمة|
帮助|Help|幫助|Hilfe|Aide|Ayuda|Aiuto|Ajuda|Справка|ヘルプ|도움말|مساعدة|
统计卡片|Statistics card|統計卡片|Statistikkarte|Carte de statistiques|Tarjeta de estadísticas|Scheda statistiche|Cartão de estatísticas|Карточка статистики|統計カード|통계 카드|بطاقة الإحصاءات|
新建|New|新建|Neu|Nouveau|Nuevo|Nuovo|Novo|Создать|新規|새로 만들기|جديد|
打开|Open|打開|Öffnen|Ouvrir|Abrir|Apri|Abrir|Открыть|開く|열기|فتح|
保存|Save|保存|Speichern|Enregistrer|Guardar|Salva|Salvar|Сохранить|保存|저장|حفظ|
另存为|Save as|另存為|Speichern unter|Enregistrer sous|Guardar como|Salva con nome|Salvar como|Сохранить как|名前を付けて保存|다른 이름으로 저장|حفظ باسم|
退出|Quit|退出|Beenden|Quitter|Salir|Esci|Sair|Выход|終了|종료|خروج|
选择本章|Select this chapter|選擇本章|Dieses Kapitel auswählen|Sélectionner ce chapitre|Seleccionar este capítulo|Seleziona questo capitolo|Selecionar este capítulo|Выделить главу|この章を選択|이 챕터 선택|تحديد هذا الفصل|
Lumo模式|Lumo mode|Lumo模式|Lumo-Modus|Mode Lumo|Modo Lumo|Modalità Lumo|Modo Lumo|Режим Lumo|Lumoモード|Lumo 모드|وضع Lumo|
神搜|Deep search|神搜|Tiefensuche|Recherche avancée|Búsqueda profunda|Ricerca avanzata|Pesquisa avançada|Глубокий поиск|詳細検索|심층 검색|بحث متقدم|
章节|Chapters|章節|Kapitel|Chapitres|Capítulos|Capitoli|Capítulos|Главы|章|챕터|الفصول|
字数|Word count|字數|Wortzahl|Nombre de mots|Recuento de palabras|Conteggio parole|Contagem de palavras|Число слов|文字数|글자 수|عدد الكلمات|
拼字|Rankings|拼字|Rangliste|Classement|Clasificación|Classifica|Classificação|Рейтинг|ランキング|순위|الترتيب|
闯关|Challenge|闖關|Herausforderung|Défi|Desafío|Sfida|Desafio|Испытание|チャレンジ|도전|التحدي|
过滤敏感词|Filter sensitive words|過濾敏感詞|Heikle Wörter filtern|Filtrer les mots sensibles|Filtrar palabras sensibles|Filtra parole sensibili|Filtrar palavras sensíveis|Фильтр запретных слов|NGワードを検出|민감어 필터|تصفية الكلمات الحساسة|
笔记|Notes|筆記|Notizen|Notes|Notas|Note|Notas|Заметки|メモ|메모|الملاحظات|
锁定|Lock|鎖定|Sperre|Verrouiller|Bloqueo|Blocco|Bloqueio|Блокировка|ロック|잠금|قفل|
添加章节名|Add a chapter title|添加章節名|Kapiteltitel einfügen|Ajouter un titre de chapitre|Añadir título de capítulo|Aggiungi titolo del capitolo|Adicionar título de capítulo|Добавить заголовок главы|章タイトルを追加|챕터 제목 추가|إضافة عنوان فصل|
极简模式|Minimalist mode|極簡模式|Minimalmodus|Mode minimaliste|Modo minimalista|Modalità minimalista|Modo minimalista|Минималистичный режим|ミニマルモード|미니멀 모드|الوضع البسيط|
测试|Test|測試|Test|Test|Prueba|Test|Teste|Тест|テスト|테스트|اختبار|
查找|Find|查找|Suchen|Rechercher|Buscar|Trova|Localizar|Найти|検索|찾기|بحث|
放大字体|Larger font|放大字體|Schrift vergrößern|Agrandir la police|Aumentar fuente|Ingrandisci carattere|Aumentar fonte|Увеличить шрифт|文字を大きく|글꼴 크게|تكبير الخط|
缩小字体|Smaller font|縮小字體|Schrift verkleinern|Réduire la police|Reducir fuente|Riduci carattere|Diminuir fonte|Уменьшить шрифт|文字を小さく|글꼴 작게|تصغير الخط|
全选|Select all|全選|Alles auswählen|Tout sélectionner|Seleccionar todo|Seleziona tutto|Selecionar tudo|Выделить всё|すべて選択|모두 선택|تحديد الكل|
撤销|Undo|撤銷|Rückgängig|Annuler|Deshacer|Annulla|Desfazer|Отменить|元に戻す|실행 취소|تراجع|
重做|Redo|重做|Wiederholen|Rétablir|Rehacer|Ripeti|Refazer|Повторить|やり直し|다시 실행|إعادة|
替换|Replace|替換|Ersetzen|Remplacer|Reemplazar|Sostituisci|Substituir|Заменить|置換|바꾸기|استبدال|
剪切|Cut|剪切|Ausschneiden|Couper|Cortar|Taglia|Recortar|Вырезать|切り取り|잘라내기|قص|
复制|Copy|複製|Kopieren|Copier|Copiar|Copia|Copiar|Копировать|コピー|복사|نسخ|
粘贴|Paste|貼上|Einfügen|Coller|Pegar|Incolla|Colar|Вставить|貼り付け|붙여넣기|لصق|
偏好设置|Preferences|偏好設定|Einstellungen|Préférences|Preferencias|Preferenze|Preferências|Настройки|環境設定|환경설정|التفضيلات|
About|About|關於|Über|À propos|Acerca de|Informazioni|Sobre|О программе|このアプリについて|정보|حول|关于
History|History|歷史記錄|Verlauf|Historique|Historial|Cronologia|Histórico|История|履歴|기록|السجل|历史记录
语言|Language|語言|Sprache|Langue|Idioma|Lingua|Idioma|Язык|言語|언어|اللغة|
键盘音效|Keyboard sound|鍵盤音效|Tastaturklang|Son du clavier|Sonido del teclado|Suono della tastiera|Som do teclado|Звук клавиатуры|キーボード音|키보드 소리|صوت لوحة المفاتيح|
音效|Sound|音效|Klang|Son|Sonido|Suono|Som|Звук|効果音|효과음|الصوت|
打字机音效|Typewriter sound|打字機音效|Schreibmaschinenklang|Son de machine à écrire|Sonido de máquina de escribir|Suono di macchina da scrivere|Som de máquina de escrever|Звук пишущей машинки|タイプライター音|타자기 소리|صوت الآلة الكاتبة|
水滴声音效|Water-drop sound|水滴聲音效|Wassertropfenklang|Son de goutte d'eau|Sonido de gota de agua|Suono di goccia d'acqua|Som de gota d'água|Звук капли|水滴の音|물방울 소리|صوت قطرة الماء|
使用 极简 布局|Use the minimalist layout|使用 極簡 佈局|Minimales Layout verwenden|Utiliser la disposition minimaliste|Usar el diseño minimalista|Usa il layout minimalista|Usar o layout minimalista|Минималистичная раскладка|ミニマルレイアウトを使用|미니멀 레이아웃 사용|استخدام التخطيط البسيط|
使用 自由 布局|Use the free layout|使用 自由 佈局|Freies Layout verwenden|Utiliser la disposition libre|Usar el diseño libre|Usa il layout libero|Usar o layout livre|Свободная раскладка|フリーレイアウトを使用|자유 레이아웃 사용|استخدام التخطيط الحر|
云同步|Cloud sync|雲同步|Cloud-Synchronisierung|Synchronisation cloud|Sincronización en la nube|Sincronizzazione cloud|Sincronização na nuvem|Облачная синхронизация|クラウド同期|클라우드 동기화|المزامنة السحابية|
启用云同步|Enable cloud sync|啟用雲同步|Cloud-Synchronisierung einschalten|Activer la synchronisation cloud|Activar la sincronización|Attiva la sincronizzazione|Ativar a sincronização|Включить синхронизацию|クラウド同期を有効にする|클라우드 동기화 사용|تفعيل المزامنة السحابية|
退出软件时执行云同步|Sync when quitting|退出軟體時執行雲同步|Beim Beenden synchronisieren|Synchroniser en quittant|Sincronizar al salir|Sincronizza all'uscita|Sincronizar ao sair|Синхронизировать при выходе|終了時に同期する|종료할 때 동기화|المزامنة عند الخروج|
快捷键方案|Shortcut scheme|快捷鍵方案|Tastenkürzel-Schema|Jeu de raccourcis|Esquema de atajos|Schema delle scorciatoie|Esquema de atalhos|Схема сочетаний клавиш|ショートカット設定|단축키 구성|مخطط الاختصارات|
编辑框模式|Editor mode|編輯框模式|Editormodus|Mode de l'éditeur|Modo del editor|Modalità editor|Modo do editor|Режим редактора|エディタモード|편집기 모드|وضع المحرر|
页面模式|Page mode|頁面模式|Seitenmodus|Mode page|Modo página|Modalità pagina|Modo página|Страничный режим|ページモード|페이지 모드|وضع الصفحة|
自适应模式|Adaptive mode|自適應模式|Angepasster Modus|Mode adaptatif|Modo adaptable|Modalità adattiva|Modo adaptável|Адаптивный режим|可変モード|자동 모드|الوضع المتكيف|
编辑框左右边距（自适应模式）|Side margins (adaptive mode)|編輯框左右邊距（自適應模式）|Seitenränder (angepasster Modus)|Marges latérales (mode adaptatif)|Márgenes laterales (modo adaptable)|Margini laterali (modalità adattiva)|Margens laterais (modo adaptável)|Боковые поля (адаптивный режим)|左右の余白(可変モード)|좌우 여백(자동 모드)|الهوامش الجانبية (الوضع المتكيف)|
页面固定宽度（页面模式）|Fixed page width (page mode)|頁面固定寬度（頁面模式）|Feste Seitenbreite (Seitenmodus)|Largeur de page fixe (mode page)|Ancho de página fijo (modo página)|Larghezza pagina fissa (modalità pagina)|Largura de página fixa (modo página)|Фиксированная ширина (страничный режим)|固定ページ幅(ページモード)|고정 페이지 너비(페이지 모드)|عرض صفحة ثابت (وضع الصفحة)|
像素|Pixels|像素|Pixel|Pixels|Píxeles|Pixel|Pixels|Пиксели|ピクセル|픽셀|بكسل|
汉字|Characters|漢字|Zeichen|Caractères|Caracteres|Caratteri|Caracteres|Знаки|文字|글자|حروف|
编辑框全局居中|Centre the editor in the whole window|編輯框全局居中|Editor im ganzen Fenster zentrieren|Centrer l'éditeur dans la fenêtre|Centrar el editor en la ventana|Centra l'editor nella finestra|Centralizar o editor na janela|Центрировать редактор в окне|エディタをウィンドウ全体の中央に|편집기를 창 가운데에|توسيط المحرر في النافذة|
默认字体|Default font|默認字體|Standardschrift|Police par défaut|Fuente predeterminada|Carattere predefinito|Fonte padrão|Шрифт по умолчанию|既定のフォント|기본 글꼴|الخط الافتراضي|
默认字体颜色(跟随主题)|Default text colour (follows the theme)|默認字體顏色(跟隨主題)|Standardtextfarbe (folgt dem Thema)|Couleur de texte par défaut (suit le thème)|Color de texto predeterminado (sigue al tema)|Colore del testo predefinito (segue il tema)|Cor de texto padrão (segue o tema)|Цвет текста по умолчанию (по теме)|既定の文字色(テーマに従う)|기본 글자 색(테마 따름)|لون النص الافتراضي (يتبع السمة)|
文档中标题样式|Chapter-title style|文檔中標題樣式|Stil der Kapiteltitel|Style des titres|Estilo de los títulos|Stile dei titoli|Estilo dos títulos|Стиль заголовков|章タイトルのスタイル|제목 스타일|نمط العناوين|
首行缩进两个字符|Indent the first line by two characters|首行縮排兩個字元|Erste Zeile um zwei Zeichen einrücken|Retrait de deux caractères en première ligne|Sangría de dos caracteres en la primera línea|Rientro di due caratteri nella prima riga|Recuo de dois caracteres na primeira linha|Отступ первой строки на два знака|1行目を2文字字下げ|첫 줄 두 글자 들여쓰기|إزاحة السطر الأول بحرفين|
段落间距|Paragraph spacing|段落間距|Absatzabstand|Espacement des paragraphes|Espaciado de párrafo|Spaziatura paragrafi|Espaçamento de parágrafo|Интервал между абзацами|段落間隔|문단 간격|تباعد الفقرات|
文件路径|File path|檔案路徑|Dateipfad|Chemin des fichiers|Ruta de archivos|Percorso file|Caminho dos arquivos|Путь к файлам|ファイルパス|파일 경로|مسار الملفات|
生成历史记录时间间隔|History snapshot interval|生成歷史記錄時間間隔|Abstand der Verlaufskopien|Intervalle de l'historique|Intervalo del historial|Intervallo della cronologia|Intervalo do histórico|Интервал снимков истории|履歴の保存間隔|기록 저장 간격|فاصل لقطات السجل|
分钟|minutes|分鐘|Minuten|minutes|minutos|minuti|minutos|минут|分|분|دقائق|
自动章节|Automatic chapters|自動章節|Automatische Kapitel|Chapitres automatiques|Capítulos automáticos|Capitoli automatici|Capítulos automáticos|Автоматические главы|章の自動認識|자동 챕터|الفصول التلقائية|
设置自动章节识别关键词|Set the chapter-title keywords|設定自動章節識別關鍵詞|Kapitel-Schlüsselwörter festlegen|Définir les mots-clés des chapitres|Definir palabras clave de capítulos|Imposta le parole chiave dei capitoli|Definir palavras-chave de capítulos|Задать ключевые слова глав|章の自動認識キーワードを設定|챕터 키워드 설정|تعيين الكلمات المفتاحية للفصول|
统计|Statistics|統計|Statistik|Statistiques|Estadísticas|Statistiche|Estatísticas|Статистика|統計|통계|الإحصاءات|
预估稿费统计|Estimated fee|預估稿費統計|Geschätztes Honorar|Rémunération estimée|Honorarios estimados|Compenso stimato|Honorário estimado|Оценка гонорара|原稿料の見積もり|예상 원고료|الأجر المقدر|
单位|unit|單位|Einheit|unité|unidad|unità|unidade|единица|単位|단위|الوحدة|
元/千字|yuan per thousand characters|元/千字|Yuan je 1000 Zeichen|yuans pour mille caractères|yuanes por mil caracteres|yuan ogni mille caratteri|yuans por mil caracteres|юаней за тысячу знаков|元/千字|천 자당 위안|يوان لكل ألف حرف|
预估稿费|Estimated fee|預估稿費|Geschätztes Honorar|Rémunération estimée|Honorarios estimados|Compenso stimato|Honorário estimado|Оценка гонорара|原稿料見積もり|예상 원고료|الأجر المقدر|
段落开头添加两个空格|Two spaces at the start of each paragraph|段落開頭添加兩個空格|Zwei Leerzeichen am Absatzanfang|Deux espaces en début de paragraphe|Dos espacios al inicio de cada párrafo|Due spazi a inizio paragrafo|Dois espaços no início do parágrafo|Два пробела в начале абзаца|段落の先頭に全角スペース2つ|문단 앞에 공백 두 칸|مسافتان في بداية الفقرة|
启动打字机模式|Start typewriter mode|啟動打字機模式|Schreibmaschinenmodus starten|Activer le mode machine à écrire|Activar el modo máquina de escribir|Avvia la modalità macchina da scrivere|Ativar o modo máquina de escrever|Включить режим пишущей машинки|タイプライターモードを開始|타자기 모드 시작|تشغيل وضع الآلة الكاتبة|
高亮显示当前行|Highlight the current line|高亮顯示當前行|Aktuelle Zeile hervorheben|Surligner la ligne actuelle|Resaltar la línea actual|Evidenzia la riga corrente|Destacar a linha atual|Подсвечивать текущую строку|現在の行をハイライト|현재 줄 강조|تمييز السطر الحالي|
提示|Notices|提示|Hinweise|Notifications|Avisos|Avvisi|Avisos|Уведомления|通知|알림|الإشعارات|
显示创作积分提示|Show writing-points notices|顯示創作積分提示|Hinweise zu Schreibpunkten zeigen|Afficher les points d'écriture|Mostrar avisos de puntos|Mostra gli avvisi dei punti|Mostrar avisos de pontos|Показывать уведомления о баллах|執筆ポイントの通知を表示|집필 포인트 알림 표시|إظهار إشعارات نقاط الكتابة|
禁止显示创作积分提示之后，创作积分将在后台累加。未登录状态无法累加积分。|With the notices off, writing points still accumulate in the background. Signed out, no points accumulate.|禁止顯示創作積分提示之後，創作積分將在後台累加。未登入狀態無法累加積分。|Ohne Hinweise sammeln sich Schreibpunkte weiter im Hintergrund. Abgemeldet sammeln sich keine Punkte.|Sans notifications, les points s'accumulent en arrière-plan. Déconnecté, aucun point ne s'accumule.|Sin avisos, los puntos se siguen acumulando. Sin sesión iniciada no se acumulan puntos.|Senza avvisi i punti continuano ad accumularsi. Senza accesso non si accumulano punti.|Sem avisos, os pontos continuam a acumular. Sem sessão iniciada não há pontos.|Без уведомлений баллы продолжают начисляться. Без входа баллы не начисляются.|通知を止めてもポイントは裏で加算されます。ログインしていないと加算されません。|알림을 꺼도 포인트는 계속 쌓입니다. 로그인하지 않으면 쌓이지 않습니다.|مع إيقاف الإشعارات تستمر النقاط في التراكم، ولا تتراكم دون تسجيل الدخول.|
颜色与正文相同|Same colour as the text|顏色與正文相同|Gleiche Farbe wie der Text|Même couleur que le texte|Mismo color que el texto|Stesso colore del testo|Mesma cor do texto|Цвет как у текста|本文と同じ色|본문과 같은 색|نفس لون النص|
标题颜色:|Title colour:|標題顏色:|Titelfarbe:|Couleur du titre :|Color del título:|Colore del titolo:|Cor do título:|Цвет заголовка:|タイトルの色:|제목 색:|لون العنوان:|
相对倍数:|Relative size:|相對倍數:|Relative Größe:|Taille relative :|Tamaño relativo:|Dimensione relativa:|Tamanho relativo:|Относительный размер:|相対倍率:|상대 배율:|الحجم النسبي:|
自动章节关键词设置|Chapter-title keywords|自動章節關鍵詞設定|Kapitel-Schlüsselwörter|Mots-clés des chapitres|Palabras clave de capítulos|Parole chiave dei capitoli|Palavras-chave de capítulos|Ключевые слова глав|章の自動認識キーワード|챕터 키워드 설정|الكلمات المفتاحية للفصول|
自动章节关键词|Chapter-title keywords|自動章節關鍵詞|Kapitel-Schlüsselwörter|Mots-clés des chapitres|Palabras clave de capítulos|Parole chiave dei capitoli|Palavras-chave de capítulos|Ключевые слова глав|章の自動認識キーワード|챕터 키워드|الكلمات المفتاحية للفصول|
设置登录密码|Set the start password|設定登入密碼|Startpasswort festlegen|Définir le mot de passe de démarrage|Definir la contraseña de inicio|Imposta la password di avvio|Definir a senha de início|Задать пароль запуска|起動パスワードを設定|시작 암호 설정|تعيين كلمة مرور البدء|
启动密码|Start password|啟動密碼|Startpasswort|Mot de passe de démarrage|Contraseña de inicio|Password di avvio|Senha de início|Пароль запуска|起動パスワード|시작 암호|كلمة مرور البدء|
启动密码是您打开软件时需要输入的密码，与账户无关，也不会同步到云端|The start password is asked for when the program opens. It is not your account password and is never synced to the cloud.|啟動密碼是您打開軟體時需要輸入的密碼，與帳戶無關，也不會同步到雲端|Das Startpasswort wird beim Öffnen abgefragt; es ist nicht das Kontopasswort und wird nie synchronisiert.|Le mot de passe de démarrage est demandé à l'ouverture ; ce n'est pas celui du compte et il n'est jamais synchronisé.|La contraseña de inicio se pide al abrir; no es la de la cuenta y nunca se sincroniza.|La password di avvio viene chiesta all'apertura; non è quella dell'account e non viene mai sincronizzata.|A senha de início é pedida ao abrir; não é a da conta e nunca é sincronizada.|Пароль запуска запрашивается при открытии; это не пароль учётной записи, и он не синхронизируется.|起動パスワードはアプリを開くときに入力します。アカウントとは無関係で、クラウドにも同期されません。|시작 암호는 프로그램을 열 때 묻습니다. 계정 암호와 무관하며 동기화되지 않습니다.|تُطلب كلمة مرور البدء عند فتح البرنامج، وهي ليست كلمة مرور الحساب ولا تتم مزامنتها.|
输入密码:|Password:|輸入密碼:|Passwort:|Mot de passe :|Contraseña:|Password:|Senha:|Пароль:|パスワード:|암호:|كلمة المرور:|
再来一次:|Again:|再來一次:|Wiederholen:|Confirmer :|Repetir:|Ripeti:|Repetir:|Ещё раз:|もう一度:|다시 입력:|مرة أخرى:|
输入密码|Password|輸入密碼|Passwort|Mot de passe|Contraseña|Password|Senha|Пароль|パスワード|암호|كلمة المرور|
再来一次|Again|再來一次|Wiederholen|Confirmer|Repetir|Ripeti|Repetir|Ещё раз|もう一度|다시 입력|مرة أخرى|
您需要输入启动密码|You must enter a start password|您需要輸入啟動密碼|Bitte ein Startpasswort eingeben|Vous devez saisir un mot de passe de démarrage|Debe introducir una contraseña de inicio|Devi inserire una password di avvio|Você precisa digitar uma senha de início|Введите пароль запуска|起動パスワードを入力してください|시작 암호를 입력하세요|يجب إدخال كلمة مرور البدء|
启动密码设置成功|Start password set|啟動密碼設定成功|Startpasswort festgelegt|Mot de passe de démarrage défini|Contraseña de inicio establecida|Password di avvio impostata|Senha de início definida|Пароль запуска задан|起動パスワードを設定しました|시작 암호를 설정했습니다|تم تعيين كلمة مرور البدء|
两次输入密码不一致|The two entries differ|兩次輸入密碼不一致|Die beiden Eingaben unterscheiden sich|Les deux saisies diffèrent|Las dos entradas no coinciden|Le due password non coincidono|As duas senhas não coincidem|Пароли не совпадают|2回の入力が一致しません|두 입력이 다릅니다|الإدخالان غير متطابقين|
版本号|Version|版本號|Version|Version|Versión|Versione|Versão|Версия|バージョン|버전|الإصدار|
立即更新|Update now|立即更新|Jetzt aktualisieren|Mettre à jour|Actualizar ahora|Aggiorna ora|Atualizar agora|Обновить сейчас|今すぐ更新|지금 업데이트|التحديث الآن|
检查新版本|Check for a new version|檢查新版本|Nach neuer Version suchen|Rechercher une nouvelle version|Buscar una versión nueva|Cerca una nuova versione|Procurar nova versão|Проверить обновления|新しいバージョンを確認|새 버전 확인|البحث عن إصدار جديد|
恭喜，已经是最新版了|Congratulations, this is the latest version|恭喜，已經是最新版了|Glückwunsch, dies ist die neueste Version|Félicitations, c'est la dernière version|Enhorabuena, es la última versión|Complimenti, questa è l'ultima versione|Parabéns, esta é a versão mais recente|Поздравляем, это последняя версия|最新バージョンです|최신 버전입니다|تهانينا، هذا أحدث إصدار|
有新版:|New version available: |有新版:|Neue Version: |Nouvelle version : |Nueva versión: |Nuova versione: |Nova versão: |Новая версия: |新しいバージョン: |새 버전: |إصدار جديد: |
连接更新服务器失败!|Could not reach the update server!|連接更新伺服器失敗!|Der Update-Server war nicht erreichbar!|Impossible de joindre le serveur de mise à jour !|No se pudo contactar con el servidor de actualizaciones.|Impossibile raggiungere il server degli aggiornamenti!|Não foi possível contactar o servidor de atualizações!|Не удалось связаться с сервером обновлений!|更新サーバーに接続できません!|업데이트 서버에 연결하지 못했습니다!|تعذر الاتصال بخادم التحديث!|
Penlark 是为长篇作者写作的专注写作软件。\\n版权所有 © Penlark 开发者。|Penlark is a focused writing program for authors of long books.\\nCopyright © the Penlark developers.|Penlark 是為長篇作者打造的專注寫作軟體。\\n版權所有 © Penlark 開發者。|Penlark ist ein Schreibprogramm für Autorinnen und Autoren langer Bücher.\\nCopyright © die Penlark-Entwickler.|Penlark est un logiciel d'écriture pour les auteurs de longs livres.\\nCopyright © les développeurs de Penlark.|Penlark es un programa de escritura para autores de libros largos.\\nCopyright © los desarrolladores de Penlark.|Penlark è un programma di scrittura per autori di libri lunghi.\\nCopyright © gli sviluppatori di Penlark.|Penlark é um programa de escrita para autores de livros longos.\\nCopyright © os desenvolvedores do Penlark.|Penlark — программа для авторов больших книг.\\n© Разработчики Penlark.|Penlark は長編作家のための執筆ソフトです。\\nCopyright © Penlark 開発者|Penlark는 장편 작가를 위한 집필 프로그램입니다.\\nCopyright © Penlark 개발자|Penlark برنامج كتابة لمؤلفي الكتب الطويلة.\\nحقوق النشر © مطورو Penlark.|
"""

# Longer texts, English and Traditional Chinese only.
LONG = {
    "默认字体颜色跟随主题。在这里设置的颜色只用于当前主题；主题跟随系统时，只用于系统当前的亮色或暗色主题。": {
        "en": "The default text colour follows the theme. A colour set here applies to the current theme only; when the theme follows the system, to the system's current light or dark theme only.",
        "zh_TW": "默認字體顏色跟隨主題。在這裡設定的顏色只用於目前主題；主題跟隨系統時，只用於系統目前的亮色或暗色主題。",
    },
    "今日统计以结果为准：今日字数是每个打开过的文档的字数变化之和，粘贴或删除文字会让它偏多或偏少；其他统计仍只计算输入的字数。\n对话体统计：每行冒号前面的文字不计入字数。\n预估稿费为 0 时不显示预估稿费。": {
        "en": "Today's statistics follow the result: today's count is the sum of the changes of every opened document, so pasting or deleting text can make it too high or too low; the other statistics still count typed words only.\nDialogue counting: the text before the colon of each line is not counted.\nAn estimated fee of 0 switches the estimate off.",
        "zh_TW": "今日統計以結果為準：今日字數是每個打開過的文檔的字數變化之和，貼上或刪除文字會讓它偏多或偏少；其他統計仍只計算輸入的字數。\n對話體統計：每行冒號前面的文字不計入字數。\n預估稿費為 0 時不顯示預估稿費。",
    },
    "对话体统计只适用于对话体类型的文章，不统计冒号前面的文字。\n开启后，统计结果会偏少。\n如果您创作的并非对话体文章，或者您并不确定什么是对话体，强烈建议不要开启此选项！\n确定开启吗？": {
        "en": "Dialogue counting suits dialogue-style texts only: the text before each colon is not counted.\nWith it on, counts will be lower.\nIf your text is not dialogue-style, or you are not sure what that means, please leave this option off!\nSwitch it on?",
        "zh_TW": "對話體統計只適用於對話體類型的文章，不統計冒號前面的文字。\n開啟後，統計結果會偏少。\n如果您創作的並非對話體文章，或者您並不確定什麼是對話體，強烈建議不要開啟此選項！\n確定開啟嗎？",
    },
    "取消“颜色与正文相同”后，标题颜色才会生效。相对倍数是标题字号相对正文字号的倍数。": {
        "en": "The title colour applies only with \"Same colour as the text\" unchecked. The relative size is the title's size as a multiple of the text size.",
        "zh_TW": "取消「顏色與正文相同」後，標題顏色才會生效。相對倍數是標題字號相對正文字號的倍數。",
    },
    "“*”代表任意文字，每行一个关键词，每个关键词最多一个“*”，且不能在开头或结尾。关键词越多，软件越慢。": {
        "en": "\"*\" stands for any text. One keyword per line, at most one \"*\" per keyword, never at its start or end. The more keywords, the slower the program.",
        "zh_TW": "「*」代表任意文字，每行一個關鍵詞，每個關鍵詞最多一個「*」，且不能在開頭或結尾。關鍵詞越多，軟體越慢。",
    },
}


def _build():
    texts = {}
    for line in ROWS.strip("\n").split("\n"):
        fields = line.split("|")
        source = fields[0].replace("\\n", "\n")
        row = {}
        for code, value in zip(CODES, fields[1:]):
            if value:
                row[code] = value.replace("\\n", "\n")
        texts[source] = row
    texts.update(LONG)
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "texts.json")
    with open(path, encoding="utf-8") as f:
        texts.update(json.load(f))
    return texts


TEXTS = _build()
