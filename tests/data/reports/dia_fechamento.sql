-- A full day of register 001, shift TARDE, 10 March 2026, written as the movements write it:
-- the opening (session, start register and change fund), a withdrawal, a reinforcement, an
-- expense, and the sales that the sales programs record.
INSERT INTO configuracao (Nome, Cnpj) VALUES ('LOJA TESTE', '12345678000190');
INSERT INTO filial (Codigofilial, Nomefilial) VALUES (1, 'Matriz');
INSERT INTO turno (controle, descricao, horaabertura, horafechamento) VALUES
  (1, 'MANHA', '07:00', '13:00'), (2, 'TARDE', '13:00', '19:00');
INSERT INTO funcionario (Codigofuncionario, nomefuncionario, Ativo) VALUES (5, 'CAIXA1', 'S'), (6, 'GERENTE', 'S');
-- opening at 13:00:05 with 100.00 of change
INSERT INTO numerocaixaloja (id, data, hora, usuario) VALUES (41, '2026-03-10', '13:00:05', 'LOJA01-caixa');
INSERT INTO caixa (CodigoNota, CodigoCliente, CodigoFuncionario, Descricao, Data, Credito, Debito, valor, Opcao, Tipo,
                   Usuario, Tp, Condicao, Hora, especie, codigofilial, filial, es, NomeFuncionario, NomeFunciionario,
                   troco, NFCancelada, datamovimento) VALUES
  ('41', 9999, 5, 'TROCO', '2026-03-10', 100, 0, 100, '2', 'CREDITO', 'CAIXA1', '1', 'TROCO', '13:00:05', 'AD.TROCO',
   1, 'MATRIZ', 'E', 'CAIXA1', 'CAIXA1', 100, 'N', '2026-03-10');
-- withdrawal of 150.00 at 14:00
INSERT INTO caixa (CodigoNota, CodigoCliente, CodigoFuncionario, Descricao, Data, Credito, Debito, valor, Opcao, Tipo,
                   Usuario, Tp, Condicao, Hora, especie, codigofilial, filial, es, NomeFuncionario, NomeFunciionario,
                   troco, NFCancelada, datamovimento) VALUES
  ('', 1, 6, 'SANGRIA PARA O COFRE', '2026-03-10', 0, 150, 150, '0', 'DEBITO', 'GERENTE', '1', 'SANGRIA', '14:00:00',
   'SANGRIA', 1, 'Matriz', 'S', 'GERENTE', 'GERENTE', 0, 'N', '2026-03-10');
INSERT INTO sangriareforco (tipo, data, descricao, usuario, especie, datamovimento, hora, valor) VALUES
  ('S', '2026-03-10', 'SANGRIA PARA O COFRE', 'GERENTE', 'SANGRIA', '2026-03-10', '14:00:00', 150);
INSERT INTO contacorrente (codigoconta, conta, banco, agencia, codigotipo, tipo, es, tipos, especie, tiposaida,
                           datalancamento, datavencimento, dataquitacao, hora, valor, codigofilial, filial, fornecedor,
                           usuario) VALUES
  (7, 'CONTA COFRE', 'CONTA COFRE', '9999', 2, 'FIXA', 'E', 'CREDITO', 'DINHEIRO', 'SANGRIA DO CAIXA', '2026-03-10',
   '2026-03-10', '2026-03-10', '14:00:00', 150, 1, 'Matriz', 'SANGRIA PARA O COFRE', 'GERENTE');
-- reinforcement of 50.00 at 14:30
INSERT INTO caixa (CodigoNota, CodigoCliente, CodigoFuncionario, Descricao, Data, Credito, Debito, valor, Opcao, Tipo,
                   Usuario, Tp, Condicao, Hora, especie, codigofilial, filial, es, NomeFuncionario, NomeFunciionario,
                   troco, NFCancelada, datamovimento) VALUES
  ('', 1, 6, 'REFORCO DE TROCO', '2026-03-10', 50, 0, 50, '0', 'CREDITO', 'GERENTE', '1', 'DINHEIRO', '14:30:00',
   'DINHEIRO', 1, 'Matriz', 'E', 'GERENTE', 'GERENTE', 0, 'N', '2026-03-10');
INSERT INTO sangriareforco (tipo, data, descricao, usuario, especie, datamovimento, hora, valor) VALUES
  ('R', '2026-03-10', 'REFORCO DE TROCO', 'GERENTE', 'REFORÇO', '2026-03-10', '14:30:00', 50);
-- expense of 32.50 at 15:00
INSERT INTO caixa (CodigoNota, CodigoCliente, CodigoFuncionario, Descricao, Data, Credito, Debito, valor, Opcao, Tipo,
                   Usuario, Tp, Condicao, Hora, especie, codigofilial, filial, es, NomeFuncionario, NomeFunciionario,
                   troco, NFCancelada, datamovimento) VALUES
  ('', 1, 6, 'MATERIAL DE LIMPEZA', '2026-03-10', 0, 32.5, 32.5, '0', 'DEBITO', 'GERENTE', '1', 'DINHEIRO', '15:00:00',
   'DINHEIRO', 1, 'Matriz', 'S', 'GERENTE', 'GERENTE', 0, 'N', '2026-03-10');
INSERT INTO sangriareforco (tipo, data, descricao, usuario, especie, datamovimento, hora, valor) VALUES
  ('S', '2026-03-10', 'MATERIAL DE LIMPEZA', 'GERENTE', 'DESPESAS', '2026-03-10', '15:00:00', 32.5);
INSERT INTO contacorrente (codigoconta, conta, banco, agencia, codigotipo, tipo, es, tipos, especie, tiposaida,
                           datalancamento, datavencimento, dataquitacao, hora, valor, codigofilial, filial, fornecedor,
                           usuario) VALUES
  (7, 'CONTA COFRE', 'CONTA COFRE', '9999', 2, 'FIXA', 'E', 'CREDITO', 'DINHEIRO', 'DESPESA NO CAIXA', '2026-03-10',
   '2026-03-10', '2026-03-10', '15:00:00', 32.5, 1, 'Matriz', 'MATERIAL DE LIMPEZA', 'GERENTE');
-- the day's sales, as the sales programs record them
INSERT INTO caixa (CodigoNota, CodigoCliente, CodigoFuncionario, Descricao, Data, Credito, Debito, valor, Tipo, Condicao,
                   Hora, Turno, especie, codigofilial, filial, es, NomeFuncionario, troco, NFCancelada, nfce,
                   TipoNotaFiscal) VALUES
  ('2001', 31, 3, 'VENDA A VISTA', '2026-03-10', 50, 0, 50, 'CREDITO', 'DINHEIRO', '13:15:00', '2', 'DINHEIRO', 1,
   'Matriz', 'E', 'JOAO', 10, 'N', 701, 65),
  ('2002', 32, 3, 'VENDA', '2026-03-10', 120, 0, 120, 'CREDITO', 'CARTAO', '13:40:00', '2', 'CARTAO CREDITO', 1,
   'Matriz', 'E', 'JOAO', 0, 'N', 702, 65),
  ('2003', 33, 2, 'VENDA', '2026-03-10', 80, 0, 80, 'CREDITO', 'CARTAO', '14:10:00', '2', 'CARTAO DEBITO', 1,
   'Matriz', 'E', 'ANA', 0, 'N', 703, 65),
  ('2004', 34, 2, 'VENDA', '2026-03-10', 200, 0, 200, 'CREDITO', 'CHEQUE', '14:45:00', '2', 'CHEQUE', 1, 'Matriz',
   'E', 'ANA', 0, 'N', NULL, 65),
  ('2005', 35, 2, 'VENDA', '2026-03-10', 30, 0, 30, 'CREDITO', 'PIX', '15:20:00', '2', 'PIX', 1, 'Matriz', 'E', 'ANA',
   0, 'N', 705, 65),
  ('2006', 36, 3, 'VENDA', '2026-03-10', 300, 0, 300, 'CREDITO', 'Crediario', '16:00:00', '2', 'CREDIARIO', 1,
   'Matriz', 'E', 'JOAO', 0, 'N', NULL, 65);
INSERT INTO saida (Codigonota, Data, Desconto, turno, nfce, tiponotafiscal) VALUES
  (2001, '2026-03-10', 5, '2', NULL, 65), (2004, '2026-03-10', 0, '2', NULL, 65);
