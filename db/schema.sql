-- Tables of the store database used by the cash program.
-- The same script serves the local, store and mail databases: each connection uses its own subset.
-- Run against an empty database (mariadb DB < db/schema.sql).
SET NAMES utf8mb4;

-- ---------------------------------------------------------------------------------------------
-- Cash tables written by the cash program
-- ---------------------------------------------------------------------------------------------

CREATE TABLE caixa (
  Controle INT NOT NULL AUTO_INCREMENT,
  CodigoNota VARCHAR(10) NULL,
  CodigoCliente DOUBLE NULL,
  CodigoFuncionario DOUBLE NULL,
  Descricao VARCHAR(50) NULL,
  Data DATE NULL,
  Credito DOUBLE NULL DEFAULT 0,
  Debito DOUBLE NULL DEFAULT 0,
  valor DOUBLE NULL DEFAULT 0,
  Opcao VARCHAR(1) NULL,
  Tipo VARCHAR(10) NULL,
  Usuario VARCHAR(50) NULL,
  Tp VARCHAR(1) NULL,
  Condicao VARCHAR(40) NULL,
  Hora VARCHAR(10) NULL,
  Turno VARCHAR(1) NULL,
  Numero VARCHAR(15) NULL,
  especie VARCHAR(50) NULL,
  codigofilial DOUBLE NULL,
  filial VARCHAR(50) NULL,
  es VARCHAR(1) NULL,
  protocolo VARCHAR(15) NULL,
  chave VARCHAR(45) NULL,
  datanfce DATE NULL,
  nfce INT NULL,
  serienfce INT NULL,
  horanfce VARCHAR(10) NULL,
  lote INT NULL,
  NomeFuncionario VARCHAR(50) NULL,
  NomeFunciionario VARCHAR(50) NULL,
  troco DOUBLE NULL DEFAULT 0,
  TipoNotaFiscal INT NULL,
  NFCancelada VARCHAR(1) NULL DEFAULT 'N',
  idAberturaCaixa INT NULL,
  NumCaixa VARCHAR(50) NULL,
  senha VARCHAR(35) NULL,
  terminal VARCHAR(35) NULL,
  fechado VARCHAR(1) NULL,
  tipopagamento VARCHAR(45) NULL,
  apaga VARCHAR(1) NULL,
  obs MEDIUMTEXT NULL,
  dataproc DATETIME NULL,
  desconto DOUBLE NULL DEFAULT 0,
  NomeComputador VARCHAR(255) NULL,
  Tipodesconto VARCHAR(15) NULL,
  obssaida VARCHAR(50) NULL,
  numeroautenticacao VARCHAR(30) NULL,
  controlecontas INT NULL,
  datamovimento DATE NULL,
  PRIMARY KEY (Controle),
  KEY ix_caixa_data (Data),
  KEY ix_caixa_especie (especie)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;

CREATE TABLE abrefechacaixa (
  Controle INT NOT NULL AUTO_INCREMENT,
  NumCaixa VARCHAR(50) NULL,
  DataAbertura DATE NULL,
  HoraAbertura TIME NULL,
  UsuarioCaixa VARCHAR(50) NULL,
  turno BIGINT NULL,
  maquina VARCHAR(50) NULL,
  troco DOUBLE NULL DEFAULT 0,
  DataFechamento DATE NULL,
  HoraFechamento TIME NULL,
  UsuarioFechamento VARCHAR(50) NULL,
  TotalDineiro DOUBLE NULL DEFAULT 0,
  TotalCheque DOUBLE NULL DEFAULT 0,
  TotalCartaoCredito DOUBLE NULL DEFAULT 0,
  TotalCartaoDebito DOUBLE NULL DEFAULT 0,
  TotalValeRefeicao DOUBLE NULL DEFAULT 0,
  TotalTotalValeAlimentacao DOUBLE NULL DEFAULT 0,
  TotalValeCombustivel DOUBLE NULL DEFAULT 0,
  TotalValePresente DOUBLE NULL DEFAULT 0,
  TotalBoleto DOUBLE NULL DEFAULT 0,
  TotalCreditoLoja DOUBLE NULL DEFAULT 0,
  TotalOutros DOUBLE NULL DEFAULT 0,
  codigofilial DOUBLE NULL,
  filial VARCHAR(50) NULL,
  dataprocessamento DATETIME NULL,
  descturno VARCHAR(50) NULL,
  PRIMARY KEY (Controle),
  KEY ix_abre_data_turno (DataAbertura, turno)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;

CREATE TABLE sangriareforco (
  id INT NOT NULL AUTO_INCREMENT,
  tipo VARCHAR(1) NULL,
  data DATE NULL,
  descricao VARCHAR(100) NULL,
  usuario VARCHAR(100) NULL,
  especie VARCHAR(50) NULL,
  datamovimento DATE NULL,
  hora VARCHAR(10) NULL,
  valor DOUBLE NULL DEFAULT 0,
  PRIMARY KEY (id)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;

CREATE TABLE contacorrente (
  controle INT NOT NULL AUTO_INCREMENT,
  codigoconta DOUBLE NULL,
  conta VARCHAR(50) NULL,
  datalancamento DATE NULL,
  datavencimento DATE NULL,
  dataquitacao DATE NULL,
  valor DOUBLE NULL DEFAULT 0,
  debito DOUBLE NULL DEFAULT 0,
  codigofilial DOUBLE NULL,
  filial VARCHAR(50) NULL,
  codigofornecedor DOUBLE NULL,
  fornecedor VARCHAR(50) NULL,
  codigogerencial DOUBLE NULL,
  gerencial VARCHAR(50) NULL,
  codigotipo DOUBLE NULL,
  tipo VARCHAR(30) NULL,
  banco VARCHAR(20) NULL,
  agencia VARCHAR(4) NULL,
  es VARCHAR(11) NULL,
  cheque VARCHAR(15) NULL,
  tiposaida VARCHAR(30) NULL,
  usuario VARCHAR(30) NULL,
  cartao VARCHAR(15) NULL,
  tipos VARCHAR(15) NULL,
  especie VARCHAR(50) NULL,
  dataproc DATETIME NULL,
  hora TIME NULL,
  obs MEDIUMTEXT NULL,
  codigotipodespesa DOUBLE NULL,
  tipodespesa VARCHAR(50) NULL,
  PRIMARY KEY (controle)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;

-- Start register of the workstations (store database, connection LOJA).
CREATE TABLE numerocaixaloja (
  id INT NOT NULL AUTO_INCREMENT,
  data DATE NULL,
  hora VARCHAR(10) NULL,
  usuario VARCHAR(50) NULL,
  dataprocessamento DATETIME NULL,
  PRIMARY KEY (id)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;

-- Transfer log of the daily reports (mail database, connection EMAIL).
CREATE TABLE loja (
  controle INT NOT NULL AUTO_INCREMENT,
  descricao VARCHAR(50) NULL,
  dataprocessamento DATETIME NULL,
  enviado VARCHAR(1) NULL,
  cnpj VARCHAR(18) NULL,
  razaosocial VARCHAR(50) NULL,
  txt MEDIUMTEXT NULL,
  dataimpressao DATE NULL,
  horaimpressao TIME NULL,
  dataenvio DATE NULL,
  horaenvio TIME NULL,
  status VARCHAR(50) NULL,
  transferido VARCHAR(1) NULL,
  datatransferencia DATE NULL,
  horatransferencia TIME NULL,
  usuario VARCHAR(50) NULL,
  statusenviado VARCHAR(50) NULL,
  emailcliente01 VARCHAR(255) NULL,
  emailcliente02 VARCHAR(255) NULL,
  PRIMARY KEY (controle)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;

CREATE TABLE saldoinicial (
  id INT NOT NULL AUTO_INCREMENT,
  saldoinicial DOUBLE NULL DEFAULT 0,
  data DATE NULL,
  saldofinal DOUBLE NULL DEFAULT 0,
  PRIMARY KEY (id)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;

CREATE TABLE fechamentocaixa (
  CONTADOR INT NOT NULL AUTO_INCREMENT,
  TERMINAL VARCHAR(20) NULL,
  DATAFECHA DATE NULL,
  CHEQUE_E DOUBLE NULL DEFAULT 0,
  CHEPRE_E DOUBLE NULL DEFAULT 0,
  CARTAO_E DOUBLE NULL DEFAULT 0,
  CartaoD_E DOUBLE NULL DEFAULT 0,
  DINHEIRO_E DOUBLE NULL DEFAULT 0,
  CHEQUE_S DOUBLE NULL DEFAULT 0,
  CHEPRE_S DOUBLE NULL DEFAULT 0,
  CARTAO_S DOUBLE NULL DEFAULT 0,
  CartaoD_S DOUBLE NULL DEFAULT 0,
  DINHEIRO_S DOUBLE NULL DEFAULT 0,
  SALDOINICIAL DOUBLE NULL DEFAULT 0,
  SALDOFINAL DOUBLE NULL DEFAULT 0,
  CODFIL VARCHAR(11) NULL,
  VALE_E DOUBLE NULL DEFAULT 0,
  VALE_S DOUBLE NULL DEFAULT 0,
  especie VARCHAR(15) NULL,
  tipo VARCHAR(15) NULL,
  debito DOUBLE NULL DEFAULT 0,
  credito DOUBLE NULL DEFAULT 0,
  calccheque DOUBLE NULL DEFAULT 0,
  calccartao DOUBLE NULL DEFAULT 0,
  calcdinheiro DOUBLE NULL DEFAULT 0,
  calccartaoD DOUBLE NULL DEFAULT 0,
  REFORCO DOUBLE NULL DEFAULT 0,
  SANGRIA DOUBLE NULL DEFAULT 0,
  email VARCHAR(40) NULL,
  hora VARCHAR(10) NULL,
  recebidoccredito DOUBLE NULL DEFAULT 0,
  recebidocartdebito DOUBLE NULL DEFAULT 0,
  recebidocheque DOUBLE NULL DEFAULT 0,
  recebidodinheiro DOUBLE NULL DEFAULT 0,
  PRIMARY KEY (CONTADOR)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;

-- ---------------------------------------------------------------------------------------------
-- Work tables. The program never writes these shared definitions: each connection works on a
-- TEMPORARY copy of its own, made from them at connect time.
-- ---------------------------------------------------------------------------------------------

CREATE TABLE caixalojatmp (
  Controle INT NOT NULL AUTO_INCREMENT,
  codigonota VARCHAR(10) NULL,
  CodigoCliente DOUBLE NULL,
  CodigoFuncionario DOUBLE NULL,
  Descricao VARCHAR(50) NULL,
  Data DATE NULL,
  Datafinal DATE NULL,
  Hora VARCHAR(10) NULL,
  horainicio VARCHAR(10) NULL,
  horafinal VARCHAR(10) NULL,
  Credito DOUBLE NULL DEFAULT 0,
  Debito DOUBLE NULL DEFAULT 0,
  Opcao VARCHAR(1) NULL,
  Tipo VARCHAR(10) NULL,
  Usuario VARCHAR(50) NULL,
  Tp VARCHAR(1) NULL,
  Condicao VARCHAR(40) NULL,
  Turno VARCHAR(1) NULL,
  Numero VARCHAR(15) NULL,
  especie VARCHAR(45) NULL,
  codigofilial DOUBLE NULL,
  filial VARCHAR(50) NULL,
  es VARCHAR(1) NULL,
  valor DOUBLE NULL DEFAULT 0,
  valorsaida DOUBLE NULL DEFAULT 0,
  valorpgsaida DOUBLE NULL DEFAULT 0,
  protocolo VARCHAR(15) NULL,
  chave VARCHAR(45) NULL,
  datanfce DATE NULL,
  nfce INT NULL,
  serienfce INT NULL,
  horanfce VARCHAR(10) NULL,
  lote INT NULL,
  NomeFuncionario VARCHAR(50) NULL,
  troco DOUBLE NULL DEFAULT 0,
  TipoNotaFiscal INT NULL,
  funcionario VARCHAR(50) NULL,
  dataprocessamento DATETIME NULL,
  PRIMARY KEY (Controle)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;

CREATE TABLE itenssaidatempgrupo (
  controle INT NOT NULL AUTO_INCREMENT,
  codigogrupo DOUBLE NULL,
  grupo VARCHAR(50) NULL,
  total DOUBLE NULL DEFAULT 0,
  dataprocessamento DATETIME NULL,
  codigofuncionario DOUBLE NULL,
  data DATE NULL,
  codigonota VARCHAR(10) NULL,
  codigoproduto DOUBLE NULL,
  produto VARCHAR(10) NULL,
  nfce VARCHAR(10) NULL,
  preco DOUBLE NULL DEFAULT 0,
  qt DOUBLE NULL DEFAULT 0,
  especie VARCHAR(35) NULL,
  nomefuncionario VARCHAR(50) NULL,
  PRIMARY KEY (controle)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;

CREATE TABLE receberfunctemp (
  id INT NOT NULL AUTO_INCREMENT,
  codigofuncionario DOUBLE NULL,
  data DATE NULL,
  totalpg DOUBLE NULL DEFAULT 0,
  codigonota DOUBLE NULL,
  condicao VARCHAR(15) NULL,
  descricao VARCHAR(50) NULL,
  nomefuncionario VARCHAR(50) NULL,
  PRIMARY KEY (id)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;

CREATE TABLE receberfunctempprazo (
  id INT NOT NULL AUTO_INCREMENT,
  codigofuncionario DOUBLE NULL,
  data DATE NULL,
  totalpg DOUBLE NULL DEFAULT 0,
  codigonota DOUBLE NULL,
  condicao VARCHAR(15) NULL,
  descricao VARCHAR(50) NULL,
  nomefuncionario VARCHAR(50) NULL,
  PRIMARY KEY (id)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;

CREATE TABLE itenssaidatemp (
  Contador INT NOT NULL AUTO_INCREMENT,
  Codigonota DOUBLE NULL,
  Data DATE NULL,
  CodigoFuncionario DOUBLE NULL,
  Codigoproduto DOUBLE NULL,
  Produto VARCHAR(50) NULL,
  CodigoGrupo DOUBLE NULL,
  Grupo VARCHAR(50) NULL,
  CodigoParcela DOUBLE NULL,
  DescParcela VARCHAR(50) NULL,
  CodigoGrife DOUBLE NULL,
  Grife VARCHAR(50) NULL,
  Qt DOUBLE NULL DEFAULT 0,
  Preco DOUBLE NULL DEFAULT 0,
  desconto DOUBLE NULL DEFAULT 0,
  PrecoCusto DOUBLE NULL DEFAULT 0,
  nomefunciionario VARCHAR(50) NULL,
  Codigocliente DOUBLE NULL,
  Cliente VARCHAR(50) NULL,
  hora VARCHAR(15) NULL,
  codigofilial DOUBLE NULL,
  filial VARCHAR(50) NULL,
  PRIMARY KEY (Contador)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;

CREATE TABLE recebercaixatemp (
  Controle INT NOT NULL AUTO_INCREMENT,
  CodigoNota VARCHAR(10) NULL,
  DataEmissao DATE NULL,
  CodigoFuncionario DOUBLE NULL,
  Valor DOUBLE NULL DEFAULT 0,
  CodigoCliente DOUBLE NULL,
  Nome VARCHAR(50) NULL,
  CodigoFilial DOUBLE NULL,
  filial VARCHAR(50) NULL,
  hora VARCHAR(15) NULL,
  especie VARCHAR(40) NULL,
  nomefuncionario VARCHAR(30) NULL,
  PRIMARY KEY (Controle)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;

CREATE TABLE resumo (
  Controle INT NOT NULL AUTO_INCREMENT,
  CodigoNota VARCHAR(10) NULL,
  CodigoCliente DOUBLE NULL,
  CodigoFuncionario DOUBLE NULL,
  Descricao VARCHAR(50) NULL,
  Data DATE NULL,
  Datai DATE NULL,
  dataf DATE NULL,
  Credito DOUBLE NULL DEFAULT 0,
  Debito DOUBLE NULL DEFAULT 0,
  Valor DOUBLE NULL DEFAULT 0,
  Opcao VARCHAR(1) NULL,
  es VARCHAR(1) NULL,
  tabela VARCHAR(30) NULL,
  Tipo VARCHAR(10) NULL,
  Usuario VARCHAR(50) NULL,
  Tp VARCHAR(1) NULL,
  Condicao VARCHAR(25) NULL,
  Hora VARCHAR(10) NULL,
  Turno VARCHAR(1) NULL,
  especie VARCHAR(35) NULL,
  numero VARCHAR(15) NULL,
  codigoFilial DOUBLE NULL,
  filial VARCHAR(50) NULL,
  mes VARCHAR(15) NULL,
  ano VARCHAR(4) NULL,
  dataprocessamento DATETIME NULL,
  PRIMARY KEY (Controle)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;

CREATE TABLE resumoanual (
  controle INT NOT NULL AUTO_INCREMENT,
  descricao VARCHAR(50) NULL,
  `01` DOUBLE NULL DEFAULT 0,
  `02` DOUBLE NULL DEFAULT 0,
  `03` DOUBLE NULL DEFAULT 0,
  `04` DOUBLE NULL DEFAULT 0,
  `05` DOUBLE NULL DEFAULT 0,
  `06` DOUBLE NULL DEFAULT 0,
  `07` DOUBLE NULL DEFAULT 0,
  `08` DOUBLE NULL DEFAULT 0,
  `09` DOUBLE NULL DEFAULT 0,
  `10` DOUBLE NULL DEFAULT 0,
  `11` DOUBLE NULL DEFAULT 0,
  `12` DOUBLE NULL DEFAULT 0,
  dataprocessamento DATETIME NULL,
  mes VARCHAR(2) NULL,
  codigocliente DOUBLE NULL,
  PRIMARY KEY (controle)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;

CREATE TABLE resumoanualcaixa (
  id INT NOT NULL AUTO_INCREMENT,
  descricao VARCHAR(50) NULL,
  total01 DOUBLE NULL DEFAULT 0,
  total02 DOUBLE NULL DEFAULT 0,
  total03 DOUBLE NULL DEFAULT 0,
  total04 DOUBLE NULL DEFAULT 0,
  total05 DOUBLE NULL DEFAULT 0,
  total06 DOUBLE NULL DEFAULT 0,
  total07 DOUBLE NULL DEFAULT 0,
  total08 DOUBLE NULL DEFAULT 0,
  total09 DOUBLE NULL DEFAULT 0,
  total10 DOUBLE NULL DEFAULT 0,
  total11 DOUBLE NULL DEFAULT 0,
  total12 DOUBLE NULL DEFAULT 0,
  codigocliente DOUBLE NULL,
  PRIMARY KEY (id)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;

-- ---------------------------------------------------------------------------------------------
-- Tables of the suite that the cash program only reads
-- ---------------------------------------------------------------------------------------------

CREATE TABLE configuracao (
  Controle INT NOT NULL AUTO_INCREMENT,
  Nome VARCHAR(50) NULL,
  Endereco VARCHAR(50) NULL,
  Bairro VARCHAR(40) NULL,
  Cidade VARCHAR(40) NULL,
  Estado VARCHAR(2) NULL,
  Cep VARCHAR(8) NULL,
  Tel1 VARCHAR(15) NULL,
  Tel2 VARCHAR(15) NULL,
  Fax VARCHAR(15) NULL,
  Email VARCHAR(50) NULL,
  Setor VARCHAR(50) NULL,
  Cpf VARCHAR(14) NULL,
  Cnpj VARCHAR(15) NULL,
  Insc VARCHAR(15) NULL,
  NomeResponsavel VARCHAR(50) NULL,
  Email02 VARCHAR(50) NULL,
  PRIMARY KEY (Controle)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;

CREATE TABLE filial (
  Codigofilial INT NOT NULL,
  Nomefilial VARCHAR(50) NULL,
  Obs MEDIUMTEXT NULL,
  PRIMARY KEY (Codigofilial)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;

CREATE TABLE setup_i (
  Codigo INT NOT NULL AUTO_INCREMENT,
  USUARIO VARCHAR(15) NULL,
  setor VARCHAR(15) NULL,
  SENHA VARCHAR(15) NULL,
  contrasenha VARCHAR(15) NULL,
  CODFUN VARCHAR(3) NULL,
  CLI VARCHAR(8) NULL, FOR_ VARCHAR(8) NULL, FUN VARCHAR(8) NULL, DEP VARCHAR(8) NULL,
  FIL VARCHAR(8) NULL, REC VARCHAR(8) NULL, SUB VARCHAR(8) NULL, GRU VARCHAR(8) NULL,
  GRI VARCHAR(8) NULL, ORC VARCHAR(8) NULL, ENT VARCHAR(8) NULL, PRO VARCHAR(8) NULL,
  TRF VARCHAR(8) NULL, CMO VARCHAR(8) NULL, BAI VARCHAR(8) NULL, CMOC VARCHAR(8) NULL,
  TCO VARCHAR(8) NULL, CAI VARCHAR(8) NULL, CPG VARCHAR(8) NULL, CHQ VARCHAR(8) NULL,
  TSF VARCHAR(8) NULL, TFS VARCHAR(8) NULL, RFS VARCHAR(8) NULL, UTI VARCHAR(8) NULL,
  NomeMaquinaLogado VARCHAR(255) NULL,
  SerieMaquinaLogado VARCHAR(255) NULL,
  IPMaquinaLogado VARCHAR(255) NULL,
  DataHoraLogado DATETIME NULL,
  NumCaixaLogado VARCHAR(50) NULL,
  apelido VARCHAR(50) NULL,
  PRIMARY KEY (Codigo),
  KEY ix_setup_usuario (USUARIO)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;

CREATE TABLE funcionario (
  Codigofuncionario INT NOT NULL AUTO_INCREMENT,
  nomefuncionario VARCHAR(50) NULL,
  Ativo VARCHAR(1) NULL DEFAULT 'S',
  PRIMARY KEY (Codigofuncionario)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;

CREATE TABLE turno (
  controle INT NOT NULL AUTO_INCREMENT,
  descricao VARCHAR(25) NULL,
  horaabertura VARCHAR(10) NULL,
  horafechamento VARCHAR(10) NULL,
  PRIMARY KEY (controle)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;

CREATE TABLE receber (
  Controle INT NOT NULL AUTO_INCREMENT,
  CodigoNota VARCHAR(10) NULL,
  CodigoCliente DOUBLE NULL,
  CodigoFuncionario DOUBLE NULL,
  nome VARCHAR(50) NULL,
  NomeCliente VARCHAR(50) NULL,
  DataEmissao DATE NULL,
  DataVenc DATE NULL,
  DataQuitacao DATE NULL,
  Valor DOUBLE NULL DEFAULT 0,
  TotalPg DOUBLE NULL DEFAULT 0,
  especie VARCHAR(15) NULL,
  opcaovenda VARCHAR(35) NULL,
  turno VARCHAR(1) NULL,
  nfce INT NULL,
  nfcancelada VARCHAR(1) NULL DEFAULT 'N',
  tiponotafiscal INT NULL,
  PRIMARY KEY (Controle),
  KEY ix_receber_emissao (DataEmissao),
  KEY ix_receber_quitacao (DataQuitacao)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;

CREATE TABLE saida (
  Codigonota INT NOT NULL AUTO_INCREMENT,
  Data DATE NULL,
  Desconto DOUBLE NULL DEFAULT 0,
  Total DOUBLE NULL DEFAULT 0,
  turno VARCHAR(1) NULL,
  nfce INT NULL,
  serienfce INT NULL,
  tiponotafiscal INT NULL,
  nfcancelada VARCHAR(1) NULL DEFAULT 'N',
  usuario VARCHAR(50) NULL,
  PRIMARY KEY (Codigonota),
  KEY ix_saida_data (Data)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;

CREATE TABLE itenssaida (
  Contador INT NOT NULL AUTO_INCREMENT,
  Codigonota DOUBLE NULL,
  Ncartao VARCHAR(16) NULL,
  Data DATE NULL,
  Tel1 VARCHAR(15) NULL,
  Codigoproduto DOUBLE NULL,
  Produto VARCHAR(100) NULL,
  CodigoGrupo DOUBLE NULL,
  Grupo VARCHAR(50) NULL,
  CodigoParcela DOUBLE NULL,
  DescParcela VARCHAR(50) NULL,
  CodigoGrife DOUBLE NULL,
  Grife VARCHAR(50) NULL,
  Qt DOUBLE NULL DEFAULT 0,
  Preco DOUBLE NULL DEFAULT 0,
  desconto DOUBLE NULL DEFAULT 0,
  PrecoCusto DOUBLE NULL DEFAULT 0,
  CodigoFuncionario DOUBLE NULL,
  nomefunciionario VARCHAR(50) NULL,
  CodigoFunc01 DOUBLE NULL,
  Codigocliente DOUBLE NULL,
  Cliente VARCHAR(50) NULL,
  Controle VARCHAR(6) NULL,
  Tipo VARCHAR(1) NULL,
  Placa VARCHAR(8) NULL,
  Obs MEDIUMTEXT NULL,
  Comissao DOUBLE NULL DEFAULT 0,
  Aplicacao VARCHAR(25) NULL,
  fechada VARCHAR(1) NULL,
  horafim VARCHAR(8) NULL,
  hora VARCHAR(8) NULL,
  codigofilial DOUBLE NULL,
  filial VARCHAR(30) NULL,
  tipovenda VARCHAR(50) NULL,
  senha VARCHAR(5) NULL,
  descpercentual DOUBLE NULL DEFAULT 0,
  Turno VARCHAR(1) NULL,
  NFCancelada VARCHAR(1) NULL DEFAULT 'N',
  nfce INT NULL,
  UN VARCHAR(20) NULL,
  precocheio DOUBLE NULL DEFAULT 0,
  tiponotafiscal INT NULL,
  PRIMARY KEY (Contador),
  KEY ix_itenssaida_data (Data)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;

CREATE TABLE itensnota (
  Controle INT NOT NULL AUTO_INCREMENT,
  Codigonota DOUBLE NULL,
  Data DATE NULL,
  Codigoproduto DOUBLE NULL,
  Produto VARCHAR(120) NULL,
  Qt DOUBLE NULL DEFAULT 0,
  Preco DOUBLE NULL DEFAULT 0,
  usuario VARCHAR(15) NULL,
  nfcancelada VARCHAR(1) NULL DEFAULT 'N',
  turno VARCHAR(1) NULL,
  PRIMARY KEY (Controle),
  KEY ix_itensnota_data (Data)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;

CREATE TABLE produto (
  controle INT NOT NULL AUTO_INCREMENT,
  codigoproduto DOUBLE NULL,
  descricao VARCHAR(120) NULL,
  codigogrupo DOUBLE NULL,
  descricaogrupo VARCHAR(50) NULL,
  quantidade DOUBLE NULL DEFAULT 0,
  Estminimo DOUBLE NULL DEFAULT 0,
  QtMinima DOUBLE NULL DEFAULT 0,
  un VARCHAR(6) NULL,
  PRIMARY KEY (controle)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;

CREATE TABLE grupo (
  codigogrupo INT NOT NULL,
  descricao VARCHAR(40) NULL,
  PRIMARY KEY (codigogrupo)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;

CREATE TABLE numeronfce (
  id INT NOT NULL AUTO_INCREMENT,
  data DATE NULL,
  hora VARCHAR(10) NULL,
  codigonota VARCHAR(10) NULL,
  serie INT NULL,
  num_nfce INT NULL,
  chave VARCHAR(45) NULL,
  valor DOUBLE NULL DEFAULT 0,
  protocolo VARCHAR(15) NULL,
  protocolo_cancelamento VARCHAR(15) NULL,
  protocolo_imutilizacao VARCHAR(15) NULL,
  FormaEmissao VARCHAR(1) NULL,
  PRIMARY KEY (id),
  KEY ix_numeronfce_data (data)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;
