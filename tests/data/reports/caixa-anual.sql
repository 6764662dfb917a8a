-- Cash book of the fixture year 2025 for the annual movement, with rows around it.
-- Figures worked out by hand (period 01/01/2025 to 31/12/2025, change fund left out):
--   DINHEIRO          code 5  Jan 200,00 (150 + 50)  Mar 200,00  Dec 80,00   total 480,00
--   PIX               code 6  Feb 200,00 (120,50 + 79,50)                    total 200,00
--   SANGRIA (exits)   code 7  Mar 100,00 (60 + 40)                           total 100,00
--   CARTAO CREDITO    code 2  Jun 300,00                                     total 300,00
--   CARTAO DEBITO     code 3  Jun 45,25                                      total  45,25
--   CHEQUE            code 4  Nov 60,00                                      total  60,00
--   without a code: "Cartão de Credito" 99,90 + "CREDIARIO" 30,10, one row   Apr 130,00
--   months: Jan 200,00  Feb 200,00  Mar 300,00  Apr 130,00  Jun 345,25  Nov 60,00  Dec 80,00
--   period total 1.315,25 over 13 cash rows
SET NAMES utf8mb4;

INSERT INTO configuracao (Nome) VALUES ('CALÇADOS BOA VISTA');
INSERT INTO filial (Codigofilial, Nomefilial) VALUES (3, 'Filial Centro');

INSERT INTO caixa (Data, CodigoNota, Descricao, especie, Tipo, es, Credito, Debito, valor, NFCancelada) VALUES
  ('2024-12-31', '900', 'VENDA', 'DINHEIRO',          'CREDITO', 'E', 999.00, 0, 999.00, 'N'),
  ('2025-01-01', '901', 'VENDA', 'DINHEIRO',          'CREDITO', 'E', 150.00, 0, 150.00, 'N'),
  ('2025-01-02', '1',   'TROCO', 'AD.TROCO',          'CREDITO', 'E', 100.00, 0, 100.00, 'N'),
  ('2025-01-15', '902', 'VENDA', 'DINHEIRO',          'CREDITO', 'E',  50.00, 0,  50.00, 'N'),
  ('2025-02-05', '903', 'VENDA', 'PIX',               'CREDITO', 'E', 120.50, 0, 120.50, 'N'),
  ('2025-02-20', '904', 'VENDA', 'PIX',               'CREDITO', 'E',  79.50, 0,  79.50, 'N'),
  ('2025-03-10', '905', 'VENDA', 'DINHEIRO',          'CREDITO', 'E', 200.00, 0, 200.00, 'N'),
  ('2025-03-10', NULL,  'COFRE', 'SANGRIA',           'DEBITO',  'S',   0, 60.00,  60.00, 'N'),
  ('2025-03-20', NULL,  'COFRE', 'SANGRIA',           'DEBITO',  'S',   0, 40.00,  40.00, 'N'),
  ('2025-04-04', '906', 'VENDA', 'Cartão de Credito', 'CREDITO', 'E',  99.90, 0,  99.90, 'N'),
  ('2025-04-05', '907', 'VENDA', 'CREDIARIO',         'CREDITO', 'E',  30.10, 0,  30.10, 'N'),
  ('2025-06-01', '908', 'VENDA', 'CARTAO CREDITO',    'CREDITO', 'E', 300.00, 0, 300.00, 'N'),
  ('2025-06-02', '909', 'VENDA', 'CARTAO DEBITO',     'CREDITO', 'E',  45.25, 0,  45.25, 'N'),
  ('2025-11-11', '910', 'VENDA', 'CHEQUE',            'CREDITO', 'E',  60.00, 0,  60.00, 'N'),
  ('2025-12-31', '911', 'VENDA', 'DINHEIRO',          'CREDITO', 'E',  80.00, 0,  80.00, 'N'),
  ('2026-01-01', '912', 'VENDA', 'DINHEIRO',          'CREDITO', 'E', 888.00, 0, 888.00, 'N'),
  ('2026-12-15', '913', 'VENDA', 'DINHEIRO',          'CREDITO', 'E',  20.00, 0,  20.00, 'N');
