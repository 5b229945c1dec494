-- Local store of Tavolin. Readers fetch columns by position after "Select *",
-- so the order of columns is part of the contract. Every statement here can run
-- again on a database that already has the tables.
CREATE TABLE IF NOT EXISTS Games (
  G_ID INTEGER PRIMARY KEY AUTOINCREMENT,
  G_Name TEXT DEFAULT '',
  G_Introduce TEXT DEFAULT '',
  G_WebUrl TEXT DEFAULT '',
  W_Url TEXT DEFAULT '',
  G_Type INTEGER DEFAULT 1,
  G_Favorite INTEGER DEFAULT 1,
  G_DateTime TEXT DEFAULT (strftime('%Y-%m-%d %H:%M:%f', 'now'))
);
-- Two games added within the same millisecond must still sort newest first:
-- the row number, which only grows, breaks the tie.
CREATE TRIGGER IF NOT EXISTS Games_InsertionOrder AFTER INSERT ON Games
BEGIN
  UPDATE Games SET G_DateTime = G_DateTime || printf(' %010d', NEW.G_ID) WHERE G_ID = NEW.G_ID;
END;
CREATE INDEX IF NOT EXISTS Games_ByDateTime ON Games (G_DateTime);
CREATE INDEX IF NOT EXISTS Games_ByName ON Games (G_Name);

CREATE TABLE IF NOT EXISTS Users (
  U_ID INTEGER PRIMARY KEY AUTOINCREMENT,
  U_UserName TEXT DEFAULT '',
  U_PassWord TEXT DEFAULT ''
);

CREATE TABLE IF NOT EXISTS Install (
  I_Close INTEGER DEFAULT 0
);
INSERT INTO Install (I_Close) SELECT 0 WHERE NOT EXISTS (SELECT 1 FROM Install);
