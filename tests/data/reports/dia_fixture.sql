-- Fixture day for the daily results report: 5 March 2026, shift TARDE (13:00-19:00).
INSERT INTO configuracao (Nome, Cnpj) VALUES ('LOJA TESTE', '12345678000190');
INSERT INTO filial (Codigofilial, Nomefilial) VALUES (1, 'Matriz');
INSERT INTO turno (controle, descricao, horaabertura, horafechamento) VALUES
  (1, 'MANHA', '07:00', '13:00'), (2, 'TARDE', '13:00', '19:00'), (3, 'NOITE', '22:00', '06:00');
INSERT INTO caixa (Controle, Data, Hora, CodigoNota, especie, es, Tipo, Credito, Debito, valor, troco, NFCancelada,
                   nfce, TipoNotaFiscal, Descricao, Condicao, CodigoFuncionario, NomeFuncionario) VALUES
  (1,  '2026-03-05', '13:02:10', '',     'AD.TROCO', 'E', 'CREDITO', 100, 0, 100, 100, 'N', NULL, NULL, 'TROCO', 'TROCO', 5, 'CAIXA1'),
  (2,  '2026-03-05', '13:15:00', '1001', 'DINHEIRO', 'E', 'CREDITO', 50, 0, 50, 10, 'N', 501, 65, 'VENDA A VISTA', 'DINHEIRO', 3, 'JOAO'),
  (3,  '2026-03-05', '13:20:00', '1002', 'CARTAO CREDITO', 'E', 'CREDITO', 120, 0, 120, 0, 'N', 502, 65, 'VENDA', 'CARTAO', 3, 'JOAO'),
  (4,  '2026-03-05', '13:25:00', '1003', 'CARTAO DEBITO', 'E', 'CREDITO', 80, 0, 80, 0, 'N', 503, 65, 'VENDA', 'CARTAO', 2, 'ANA'),
  (5,  '2026-03-05', '13:30:00', '1004', 'PIX', 'E', 'CREDITO', 30, 0, 30, 0, 'N', 504, 65, 'VENDA', 'PIX', 2, 'ANA'),
  (6,  '2026-03-05', '13:35:00', '1005', 'Pagamento Instântaneo (PIX) Estático', 'E', 'CREDITO', 40, 0, 40, 0, 'N', 505, 65, 'VENDA', 'PIX', 2, 'ANA'),
  (7,  '2026-03-05', '13:40:00', '1006', 'Recebimento Crediario Pix', 'E', 'CREDITO', 25, 0, 25, 0, 'N', NULL, NULL, 'PARCELA MARIA', 'PIX', 1, 'BIA'),
  (8,  '2026-03-05', '13:45:00', '1007', 'CHEQUE', 'E', 'CREDITO', 200, 0, 200, 0, 'N', NULL, 65, 'VENDA', 'CHEQUE', 1, 'BIA'),
  (9,  '2026-03-05', '13:50:00', '1008', 'CREDIARIO', 'E', 'CREDITO', 300, 0, 300, 0, 'N', NULL, 65, 'VENDA', 'Crediario', 1, 'BIA'),
  (10, '2026-03-05', '14:00:00', '',     'SANGRIA', 'S', 'DEBITO', 0, 150, 150, 0, 'N', NULL, NULL, 'SANGRIA COFRE', 'SANGRIA', 5, 'GERENTE'),
  (11, '2026-03-05', '14:10:00', '',     'DINHEIRO', 'S', 'DEBITO', 0, 32.5, 32.5, 0, 'N', NULL, NULL, 'MATERIAL LIMPEZA', 'DINHEIRO', 5, 'GERENTE'),
  (12, '2026-03-05', '14:20:00', '',     'DINHEIRO', 'E', 'CREDITO', 50, 0, 50, 0, 'N', NULL, NULL, 'REFORCO DE TROCO', 'DINHEIRO', 5, 'GERENTE'),
  (13, '2026-03-05', '14:30:00', '1009', 'DINHEIRO', 'E', 'CREDITO', 89.9, 0, 89.9, 0, 'S', 506, 65, 'VENDA A VISTA', 'DINHEIRO', 3, 'JOAO'),
  (14, '2026-03-05', '14:40:00', '',     'BANCO', 'S', 'DEBITO', 0, 300, 300, 0, 'N', NULL, NULL, 'DEPOSITO', 'BANCO', 5, 'GERENTE'),
  (15, '2026-03-05', '14:50:00', '1010', 'DEVOLUCAO', 'S', 'DEBITO', 0, 49.9, 49.9, 0, 'N', NULL, 65, 'DEVOLUCAO', 'DINHEIRO', 3, 'JOAO'),
  (16, '2026-03-05', '15:00:00', '',     'Pagamento Pagar Cheque', 'S', 'DEBITO', 0, 120, 120, 0, 'N', NULL, NULL, 'FORNECEDOR X', 'CHEQUE', 5, 'GERENTE'),
  (17, '2026-03-05', '12:50:00', '0999', 'DINHEIRO', 'E', 'CREDITO', 70, 0, 70, 0, 'N', NULL, 65, 'VENDA A VISTA', 'DINHEIRO', 3, 'JOAO'),
  (18, '2026-03-05', '19:30:00', '1011', 'DINHEIRO', 'E', 'CREDITO', 15, 0, 15, 0, 'N', 507, 65, 'VENDA A VISTA', 'DINHEIRO', 2, 'ANA'),
  (19, '2026-03-05', '15:10:00', '1012', 'DINHEIRO', 'E', 'CREDITO', 500, 0, 500, 0, 'N', NULL, 55, 'VENDA NFE', 'DINHEIRO', 1, 'BIA'),
  (20, '2026-03-04', '14:00:00', '0900', 'DINHEIRO', 'E', 'CREDITO', 999, 0, 999, 0, 'N', NULL, 65, 'VENDA A VISTA', 'DINHEIRO', 3, 'JOAO'),
  (21, '2026-03-04', '08:00:00', '',     'AD.TROCO', 'E', 'CREDITO', 80, 0, 80, 80, 'N', NULL, NULL, 'TROCO', 'TROCO', 5, 'CAIXA1');
INSERT INTO saida (Codigonota, Data, Desconto, turno, nfce, serienfce, tiponotafiscal) VALUES
  (1001, '2026-03-05', 5, '2', NULL, NULL, 65),
  (1002, '2026-03-05', 3, '2', 502, 1, 65),
  (1003, '2026-03-05', 0, '2', NULL, NULL, 65),
  (1004, '2026-03-05', 7, '1', NULL, NULL, 65);
INSERT INTO receber (CodigoNota, CodigoCliente, nome, NomeCliente, DataEmissao, DataVenc, DataQuitacao, Valor, TotalPg,
                     opcaovenda, turno, nfcancelada, tiponotafiscal) VALUES
  ('1008', 31, 'JOSE DA SILVA', 'JOSE DA SILVA', '2026-03-05', '2026-04-05', NULL, 100, 0, 'CREDIARIO', '2', 'N', 65),
  ('1008', 31, 'JOSE DA SILVA', 'JOSE DA SILVA', '2026-03-05', '2026-05-05', NULL, 100, 0, 'CREDIARIO', '2', 'N', 65),
  ('1008', 31, 'JOSE DA SILVA', 'JOSE DA SILVA', '2026-03-05', '2026-06-05', NULL, 100, 0, 'CREDIARIO', '2', 'N', 65),
  ('0950', 12, 'MARIA APARECIDA', 'MARIA APARECIDA', '2026-03-05', '2026-03-05', '2026-03-05', 85, 85, 'CREDIARIO', '2', 'N', 65);
-- The sales programs write the shift of each sale; the register's own movements leave it empty.
UPDATE caixa SET Turno = '2' WHERE Controle IN (2, 3, 4, 5, 6, 7, 8, 9, 13, 15, 19);
UPDATE caixa SET Turno = '1' WHERE Controle IN (17, 20);
UPDATE caixa SET Turno = '3' WHERE Controle = 18;
